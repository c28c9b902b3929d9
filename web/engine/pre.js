// Runs inside the engine's module, before its loader. The module is carried inline
// (SINGLE_FILE) and the page's policy forbids every connection, data: addresses included, so
// the loader must decode it where it is rather than try to fetch it first: without a fetch of
// its own it does.
var fetch = undefined;
