#pragma once
// The web page's session: one workspace and everything the page decides about it (its inputs
// by their web ids, the range check as the dialogs' OK applies it, the commands and the run
// numbering, the file the inputs came from, and the inputs kept in the browser's storage), so
// that the page's binding (web/engine/engine.cpp) only converts and binds, and every rule is
// tested without a browser.
//
// Every text in and out is UTF-8. Structured results are JSON texts (io/json.h); the bytes of
// a file are handed over as a JSON text whose characters are the bytes (U+0000 to U+00FF).
// Until the core's own texts are UTF-8, this file converts them at its edge.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "model/run.h"
#include "model/workspace.h"

namespace zan {

struct CommandOutcome;
struct InputRange;

// Every numeric input as the page names it: the web id of its row of the input table, an axle
// field's with its row ("single-load-1" to "single-load-10"); the pavement and traffic inputs
// in the table's order, then the axle rows top down.
struct WebInput {
    const InputRange* entry;
    std::size_t row;  // 0 to 9 for an axle field
    std::string id;
};
const std::vector<WebInput>& webInputs();

// Whether the run has result tables (an analysis with fatigue or erosion selected).
bool hasTables(const Run& run);

class PageSession {
  public:
    PageSession();

    // ---- What the page shows, and the edits it passes in.
    // JSON: units, lock, the file the inputs came from, options, every numeric input (web id,
    // group, caption, label, tooltip, text, an axle field's row), the project fields, the captions
    // around the inputs.
    std::string view() const;
    // JSON: the program's names and the texts of runs, in the language in force.
    std::string names() const;
    bool chooseUnits(int units);
    // A keystroke: the field's text as typed, checked when the field is left (checkField).
    // False for an unknown id. Editing creates the section, as opening the dialog does.
    bool setText(const std::string& id, const std::string& text);
    void setOption(const std::string& id, bool yes);
    // Returns the text as kept (one line), or nothing for an unknown id.
    std::string setProjectText(const std::string& id, const std::string& text);
    void applyCategory(int category);
    void loadStandard();

    // ---- The range check of a field that is left, step by step: JSON {"text", "message"},
    // the message (text, title, buttons) to show and answer, or none when the check is done
    // and "text" is the field's text now. An invalid text goes back to the field's last
    // accepted text; a value out of range is kept (No) or takes the bound (Yes).
    std::string checkField(const std::string& id);
    std::string answerCheck(const std::string& id, const std::string& answer);
    // JSON: the ids typed, or restored, and not checked yet, in the fields' order.
    std::string pendingChecks() const;

    // ---- The commands. JSON outcome: status, the message and any second box after it.
    std::string analyse(int kind);
    std::string designThickness();
    std::string analyseAgain();
    // `name` is the file's name as the system gave it; the messages name it so.
    std::string readFile(const std::string& bytes, const std::string& name);
    std::string refusalBySize(double size, const std::string& name) const;
    std::string unreadableFile(const std::string& name, const std::string& reason) const;
    // JSON {"bytes"} or {"error"}. The .DEF counts as saved: the page downloads it at once.
    std::string defBytes();
    std::string reportBytes();
    std::string detailsBytes();

    // ---- The run every document is written from. JSON: its number (a new one for each run
    // the page has not seen), whether it has tables, its kind, whether the inputs changed
    // since, its time (milliseconds since 1970) and the file its inputs came from.
    std::string run();
    bool inputsChanged() const;
    // The inputs differ from those last read from or saved to a .DEF file.
    bool unsaved() const;
    // The Both analysis at the trial thickness `runs` times, committing nothing: times the
    // engine against the native benchmark of the same analysis.
    void repeatAnalysis(int runs) const;

    // ---- Kept in the browser's storage: the inputs, the file they came from and `time`
    // (milliseconds since 1970), as a JSON text.
    std::string keptInputs(double time) const;
    // The time a kept text says it was kept, or -1 when that cannot be read.
    static double keptTime(const std::string& kept);
    // Brings back kept inputs, of this format or an earlier page's, trusting nothing: every
    // value is checked as the page's own, and a value that could not have been typed or read
    // refuses the whole, changing nothing. JSON {"restored": true, "file", "time"} or
    // {"restored": false, "reason"}. The restored fields whose text the range check would
    // question wait in pendingChecks, as typed ones do.
    std::string restore(const std::string& kept);
    // The initial design, no file.
    void reset();

    // For the documents the binding still makes itself.
    const Workspace& workspace() const { return m_workspace; }
    // The last run; before any, the current inputs without tables, made on a copy so that
    // showing them creates no input section and leaves the unit choice free.
    std::shared_ptr<const Run> shownRun() const;

  private:
    // After anything but typing changed the texts: each field's text is its accepted one.
    void acceptAll();
    // After a command: a new run counts, and its inputs came from the file open now.
    std::string afterCommand(const CommandOutcome& outcome);

    Workspace m_workspace;
    std::string m_fileName;  // UTF-8; empty before a file is read
    std::string m_runFile;   // the file the last run's inputs came from
    std::shared_ptr<const Run> m_seenRun;
    int m_runNumber = 0;
    // By the fields' order (the view's): the text last accepted, and whether it waits for
    // its check.
    std::vector<std::string> m_accepted;
    std::vector<bool> m_pending;
};

}  // namespace zan
