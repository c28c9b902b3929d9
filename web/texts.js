'use strict';
// The web page's own texts, in English, each marked for the catalogue (context Web) where it
// is written and shown through the engine's translate() in the language in force; every other
// text of the page is the core's. lupdate (scripts/catalogue.py) reads the marks of this file
// only: its JavaScript reader (Qt 6.4) stops at what it does not know, such as async
// functions, so this file stays plain.

const PageTexts = (() => {
  const QT_TRANSLATE_NOOP = (context, text) => text;
  return {
    // Each language's own name for itself, the catalogue's translation of this one text.
    languageName: QT_TRANSLATE_NOOP('Language', 'English'),

    openFile: QT_TRANSLATE_NOOP('Web', 'Open .DEF'),
    units: QT_TRANSLATE_NOOP('Web', 'Units'),
    english: QT_TRANSLATE_NOOP('Web', 'English'),
    metric: QT_TRANSLATE_NOOP('Web', 'Metric'),
    unitsLocked: QT_TRANSLATE_NOOP('Web', 'The inputs are in these units now; reading a .DEF file changes them.'),
    saveDef: QT_TRANSLATE_NOOP('Web', 'Save .DEF'),
    saveReport: QT_TRANSLATE_NOOP('Web', 'Save report .PRN'),
    saveDetails: QT_TRANSLATE_NOOP('Web', 'Save details .csv'),
    print: QT_TRANSLATE_NOOP('Web', 'Print memo'),
    language: QT_TRANSLATE_NOOP('Web', 'Language'),
    dropHint: QT_TRANSLATE_NOOP('Web', 'Open a .DEF file, or drop one anywhere on the page.'),
    // Inputs kept in the browser and brought back: %1 is the day they were kept (yyyy-MM-dd),
    // %2 the time (HH:MM); with a file, %1 is the file's name, %2 the day and %3 the time.
    restored: QT_TRANSLATE_NOOP('Web', 'Your inputs kept on %1 at %2 were restored'),
    restoredFile: QT_TRANSLATE_NOOP('Web', 'Your inputs from %1, kept on %2 at %3, were restored'),
    startAfresh: QT_TRANSLATE_NOOP('Web', 'Start afresh'),
    startAfreshQuestion: QT_TRANSLATE_NOOP('Web', 'Start afresh with the initial design? Your inputs hold changes not saved to a .DEF file, which will be lost.'),
    // %1 says why, as the core gives it.
    notRestored: QT_TRANSLATE_NOOP('Web', 'Inputs kept from an earlier version could not be restored: %1'),
    discardKept: QT_TRANSLATE_NOOP('Web', 'Discard them'),
    discardKeptQuestion: QT_TRANSLATE_NOOP('Web', 'Discard the inputs kept from an earlier version? This version of the page cannot restore them; the version that kept them may.'),
    notKept: QT_TRANSLATE_NOOP('Web', 'Your last change could not be kept in this browser: its storage is full or refused. Save a .DEF file to keep your inputs.'),

    pavementTitle: QT_TRANSLATE_NOOP('Web', 'Pavement Data'),
    trafficTitle: QT_TRANSLATE_NOOP('Web', 'Traffic Data'),
    axlesTitle: QT_TRANSLATE_NOOP('Web', 'Axle-Load Categories'),
    categories: QT_TRANSLATE_NOOP('Web', 'Axle load category'),

    commands: QT_TRANSLATE_NOOP('Web', 'Commands'),
    fatigueAnalysis: QT_TRANSLATE_NOOP('Web', 'Fatigue Analysis'),
    erosionAnalysis: QT_TRANSLATE_NOOP('Web', 'Erosion Analysis'),
    both: QT_TRANSLATE_NOOP('Web', 'Both'),
    designThickness: QT_TRANSLATE_NOOP('Web', 'Compute Design Thickness'),

    yes: QT_TRANSLATE_NOOP('Web', 'Yes'),
    no: QT_TRANSLATE_NOOP('Web', 'No'),
    ok: QT_TRANSLATE_NOOP('Web', 'OK'),
    cancel: QT_TRANSLATE_NOOP('Web', 'Cancel'),
    tryAgain: QT_TRANSLATE_NOOP('Web', 'Try Again'),
    continue: QT_TRANSLATE_NOOP('Web', 'Continue'),
  };
})();
