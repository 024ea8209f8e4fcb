#include "ui/message_box_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace {
QMessageBox::Icon toBoxIcon(Messages::Icon icon) {
    switch (icon) {
    case Messages::Icon::Information:
        return QMessageBox::Information;
    case Messages::Icon::Exclamation:
        return QMessageBox::Warning;
    case Messages::Icon::Critical:
        return QMessageBox::Critical;
    case Messages::Icon::Question:
        return QMessageBox::Question;
    case Messages::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The first lines of a text that fill at most `mostLines` lines of a box, lines that wrap
// counted as often as they wrap; a text cut short ends with "...".
QString firstLines(const QString& text, int mostLines) {
    constexpr qsizetype LineWidth = 40; // a box's line holds at least this many characters before it wraps
    QStringList kept;
    int used = 0;
    for (const QString& line : text.split(u'\n')) {
        const int rows = 1 + static_cast<int>(line.size() / LineWidth);
        if (used + rows > mostLines) {
            const qsizetype room = (mostLines - 1 - used) * LineWidth; // one line is kept for the "..."
            if (room > 0)
                kept << line.left(room);
            kept << QStringLiteral("...");
            return kept.join(u'\n');
        }
        kept << line;
        used += rows;
    }
    return text;
}

// A box never grows beyond the screen (its buttons would be out of reach): a text longer than
// half the screen's height shows its beginning, and all of it behind "Show Details...", where
// it scrolls. Texts are plain: a name that looks like markup is shown as typed.
void setFittingText(QMessageBox& box, const QString& text) {
    const QScreen* screen = box.screen();
    const int height = screen ? screen->availableGeometry().height() : 600;
    const QString shown = firstLines(text, std::max(4, height / 2 / box.fontMetrics().lineSpacing()));
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    if (shown != text)
        box.setDetailedText(text);
}
} // namespace

void MessageBoxMessages::notice(const QString& title, const QString& text, Icon icon) {
    QMessageBox box(toBoxIcon(icon), title, QString(), QMessageBox::Ok, QApplication::activeWindow());
    setFittingText(box, text);
    box.exec();
}

bool MessageBoxMessages::ask(const QString& title, const QString& text, Icon icon) {
    QMessageBox box(toBoxIcon(icon), title, QString(), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    setFittingText(box, text);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
