#pragma once

#include "ui/file_dialogs.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

// The file-dialog fake: each picker call takes the next queued answer ("" = cancelled)
// and records its caption.
class ScriptedFileDialogs : public FileDialogs {
public:
    void queue(const QString& answer) { m_answers << answer; }
    QStringList captions() const { return m_captions; }
    bool allUsed() const { return m_answers.isEmpty(); }

    // The next picker is a modal dialog over its window, as Qt's, running `whileOpen` inside
    // its own event loop; it ends cancelled when closed (or 5 seconds on) and answers "".
    void whileNextPickerIsOpen(std::function<void(QWidget* window)> whileOpen) { m_whileOpen = std::move(whileOpen); }
    // Whether the window of that picker was still there when the picker returned.
    bool windowOutlivedPicker() const { return m_windowOutlived; }

    QString openFile(QWidget* parent, const QString& caption, const QString&, const QString&) override {
        return next(parent, caption);
    }
    QString saveFile(QWidget* parent, const QString& caption, const QString&, const QString&) override {
        return next(parent, caption);
    }
    QString pickFolder(QWidget* parent, const QString& caption, const QString&) override {
        return next(parent, caption);
    }

private:
    QString next(QWidget* parent, const QString& caption) {
        m_captions << caption;
        if (m_whileOpen) {
            QPointer<QWidget> window = parent;
            QPointer<QDialog> dialog = new QDialog(parent);
            QTimer::singleShot(0, dialog, [parent, whileOpen = std::exchange(m_whileOpen, {})] { whileOpen(parent); });
            QTimer::singleShot(5000, dialog, &QDialog::reject);
            dialog->exec();
            m_windowOutlived = !window.isNull();
            delete dialog;
            return QString();
        }
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }
    QStringList m_answers;
    QStringList m_captions;
    std::function<void(QWidget*)> m_whileOpen;
    bool m_windowOutlived = false;
};
