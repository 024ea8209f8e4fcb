#pragma once

#include "ui/file_dialogs.h"

#include <QStringList>

// The file-dialog fake: each picker call takes the next queued answer ("" = cancelled)
// and records its caption.
class ScriptedFileDialogs : public FileDialogs {
public:
    void queue(const QString& answer) { m_answers << answer; }
    QStringList captions() const { return m_captions; }
    bool allUsed() const { return m_answers.isEmpty(); }

    QString openFile(QWidget*, const QString& caption, const QString&, const QString&) override { return next(caption); }
    QString saveFile(QWidget*, const QString& caption, const QString&, const QString&) override { return next(caption); }
    QString pickFolder(QWidget*, const QString& caption, const QString&) override { return next(caption); }

private:
    QString next(const QString& caption) {
        m_captions << caption;
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }
    QStringList m_answers;
    QStringList m_captions;
};
