#pragma once

#include <QString>

// Every message box and question of the program goes through this interface, so that
// the program shows QMessageBox and tests answer from a script.
class Messages {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };

    virtual ~Messages() = default;

    // An OK-only notice.
    virtual void notice(const QString& title, const QString& text, Icon icon = Icon::None) = 0;
    // A Yes/No question; true means Yes.
    virtual bool ask(const QString& title, const QString& text, Icon icon = Icon::Exclamation) = 0;

    // The title of plain notices.
    static QString appTitle() { return QStringLiteral("Corravin"); }
    // The one title of every confirmation (save, cancel or delete).
    static QString confirmTitle() { return QStringLiteral("Confirm Cancel"); }
};
