#pragma once
// Help > User Guide: the user guide, built into the program, rendered from its Markdown with
// the headings listed beside it. Modeless. Closing only hides it, so the next opening shows it
// where the user left it, at the same place in the text; only the first opening centres it.
//
// Qt's Markdown reader gives the headings no anchors, so the guide's own links (#slug) would
// lead nowhere: each heading gets the anchor its links use, by the rule the guide's structure
// check applies.

#include <QDialog>
#include <QString>
#include <QStringList>

class QTextBrowser;
class QTreeWidget;
class QUrl;

namespace zan {

class UserGuideWindow : public QDialog {
    Q_OBJECT

  public:
    explicit UserGuideWindow(QWidget* parent = nullptr);

    // The anchor of a heading as the guide's links write it: lower case, punctuation dropped,
    // blanks as hyphens ("Axle-Load Categories" is #axle-load-categories).
    static QString headingAnchor(const QString& heading);

    // The anchor of the section about the window named `objectName` (an input dialog, the
    // chart); empty for windows without a section of their own.
    static QString sectionOf(const QString& objectName);

    // Shows the window and brings it to the front: centred the first time, afterwards where
    // it was left.
    void showGuide();

    // Scrolls the text so that the heading with `anchor` is at the top; false, scrolling
    // nothing, when no heading has it.
    bool showSection(const QString& anchor);

    QTextBrowser* text() const { return m_text; }
    QTreeWidget* contents() const { return m_contents; }

  private:
    void loadGuide();
    void anchorHeadings(const QStringList& anchors);
    void followLink(const QUrl& url);

    QTextBrowser* m_text = nullptr;
    QTreeWidget* m_contents = nullptr;
    QStringList m_anchors;  // of every heading, title included
    bool m_placed = false;  // shown once: later showings keep the user's place
};

}  // namespace zan
