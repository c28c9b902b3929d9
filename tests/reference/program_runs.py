"""Running zan-report for the comparisons, natively or through another program (Wine).

Every start is counted, so that a stage can say how many processes it started, and a run that
ends with a status zan-report never uses and with no output at all is named a failed start:
the program did not run, and that is not a difference in what it computed. Nothing is retried.
"""

import subprocess

# What zan-report's --help lists; anything else did not come from the program.
PROGRAM_STATUSES = frozenset((0, 2, 3, 4, 5, 6, 7))

starts = 0


def run(exe, args, timeout, counted=True):
    """stdout bytes, stderr text and status (None when timed out) of one start."""
    global starts
    starts += 1 if counted else 0
    try:
        p = subprocess.run(exe + args, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                           timeout=timeout)
    except subprocess.TimeoutExpired:
        return b"", "timed out after %d s" % timeout, None
    return p.stdout, p.stderr.decode("latin-1"), p.returncode


def failed_start(stdout, stderr, status):
    return status is not None and status not in PROGRAM_STATUSES and not stdout and not stderr


def spread(items, count):
    """count items spread evenly over the list (all of them when count is None or larger)."""
    if count is None or count >= len(items):
        return list(items)
    step = len(items) / count
    return [items[int(i * step)] for i in range(count)]


def summary_differences(exe, native, paths, timeout):
    """The one --summary of every path by exe against the native program's: a list of texts,
    empty when they agree byte for byte. Designs whose whole reports are not compared are
    still compared here, each in one line of totals, thickness, status and warnings."""
    got = run(exe, ["--summary"] + paths, timeout)
    wanted = run(native, ["--summary"] + paths, timeout, counted=False)
    if failed_start(*got):
        return ["--summary: the program did not start (status %d, no output)" % got[2]]
    if got[0] == wanted[0] and got[2] == wanted[2]:
        return []
    lines = zip(got[0].split(b"\r\n"), wanted[0].split(b"\r\n"))
    diffs = ["--summary: %r, native %r" % pair for pair in lines if pair[0] != pair[1]]
    return diffs[:8] or ["--summary: status %r, native %r" % (got[2], wanted[2])]
