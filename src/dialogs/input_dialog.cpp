#include "input_dialog.h"

#include "platform/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "field_tips.h"
#include "platform/core_text.h"
#include "platform/platform.h"

namespace zan {

QFont serifFont(double points, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont valueFieldFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QFont buttonFont() {
    return serifFont(12, true);
}

InputDialog::InputDialog(Workspace& workspace, Platform& platform, QWidget* parent,
                         const char* objectName, const char* title)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_workspace(workspace),
      m_platform(platform) {
    setObjectName(QLatin1String(objectName));
    setWindowTitle(tr(title));
    setModal(false);
    // The user went to another window of this program: coming back is a fresh activation.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        if (focus && focus != windowHandle() && m_checking == 0)
            m_resuming = false;
    });
}

void InputDialog::showCentred() {
    zan::showCentred(*this);
}

InputDialog::OkCancel InputDialog::addOkCancelButtons(const char* okName, const char* cancelName,
                                                      const char* cancelCaption) {
    auto* okButton = new QPushButton(tr("&OK"), this);
    auto* cancelButton = new QPushButton(tr(cancelCaption), this);
    okButton->setObjectName(QLatin1String(okName));
    cancelButton->setObjectName(QLatin1String(cancelName));
    okButton->setToolTip(tr(tooltip::kOk));
    cancelButton->setToolTip(tr(tooltip::kCancel));
    for (QPushButton* button : {okButton, cancelButton}) {
        button->setFont(buttonFont());
        button->setAutoDefault(false);
    }
    connect(okButton, &QPushButton::clicked, this, [this] { ok(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancelEdits(); });
    // Connected after the handlers, so the news goes out once OK or Cancel has written.
    connect(okButton, &QPushButton::clicked, this, &InputDialog::inputsEdited);
    connect(cancelButton, &QPushButton::clicked, this, &InputDialog::inputsEdited);
    return {okButton, cancelButton};
}

QLineEdit* InputDialog::addValueField(const char* objectName, std::function<std::string&()> text) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(objectName));
    edit->setFont(valueFieldFont());
    edit->setFixedWidth(QFontMetrics(edit->font()).horizontalAdvance(QStringLiteral("0")) * 10 +
                        12);
    const std::size_t index = m_fields.size();
    m_fields.push_back({edit, std::move(text)});
    // Every keystroke goes straight into the workspace, so a command run while the dialog is
    // open reads what has been typed so far.
    connect(edit, &QLineEdit::textEdited, this, [this, index](const QString& typed) {
        ValueField& field = m_fields[index];
        // A pasted line end would end the text in the input data file: it becomes a blank.
        QString entered = typed;
        entered.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        field.text() = toInputText(entered);
        // Nor can a character the file has no byte for; show what the workspace holds.
        const QString stored = fromCore(field.text());
        if (stored != typed) {
            const int cursor = field.edit->cursorPosition();
            field.edit->setText(stored);
            field.edit->setCursorPosition(cursor);
        }
        emit inputsEdited();
    });
    return edit;
}

QLabel* InputDialog::makeLabel(const char* objectName, const QFont& font) {
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(objectName));
    label->setFont(font);
    return label;
}

void InputDialog::showFieldTexts() {
    for (ValueField& field : m_fields) {
        const QString text = fromCore(field.text());
        // setText would move the cursor of a field being typed in; skip unchanged ones.
        if (field.edit->text() != text)
            field.edit->setText(text);
    }
}

void InputDialog::writeField(std::size_t index, const std::string& text) {
    ValueField& field = m_fields[index];
    field.text() = text;
    const QString shown = fromCore(text);
    if (field.edit->text() != shown)
        field.edit->setText(shown);
}

void InputDialog::checkField(std::size_t index, const FieldRange& range) {
    writeField(index, checkInputValue(m_platform, m_fields[index].text(), range));
}

bool InputDialog::fieldAcceptable(std::size_t index) const {
    return isAcceptableValueText(m_fields[index].text());
}

void InputDialog::rememberTexts(std::size_t first, std::size_t count) {
    m_rememberedTexts.resize(m_fields.size());
    for (std::size_t i = first; i < first + count; ++i)
        m_rememberedTexts[i] = m_fields[i].text();
}

void InputDialog::restoreTexts(std::size_t first, std::size_t count) {
    m_rememberedTexts.resize(m_fields.size());
    for (std::size_t i = first; i < first + count; ++i)
        writeField(i, m_rememberedTexts[i]);
}

bool InputDialog::event(QEvent* event) {
    // The remembered values are the ones the user came to the dialog with from another window
    // of this program. Losing the activation to OK's own message box (which may give it back
    // during the handler or just after it) or to another application does not count.
    if (event->type() == QEvent::WindowDeactivate) {
        if (m_checking > 0 || QApplication::activeWindow() == nullptr)
            m_resuming = true;
    } else if (event->type() == QEvent::WindowActivate) {
        if (m_checking > 0 || m_resuming)
            m_resuming = false;
        else
            rememberValues();
    }
    return QDialog::event(event);
}

void InputDialog::hideEvent(QHideEvent* event) {
    // A hidden dialog gets no returning activation; the next one is the user's.
    m_resuming = false;
    QDialog::hideEvent(event);
}

}  // namespace zan
