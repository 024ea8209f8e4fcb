#pragma once

#include "database/district_file.h"
#include "ui/entry_window.h"

class QTreeWidget;

// The district import ("Data Import Wizard"): asks for a district file, shows its teams
// with their coaches and riders as a tree, and adds them all to the meet as new teams.
class FrmDataImport : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmDataImport(RunState& state, QWidget* parent = nullptr);

    // Asks for the file and fills the tree; false when the window closed instead (cancelled
    // dialog, or a file that cannot be imported, which the user has been told about).
    bool Import_Data();

    // The district identifier of a district file's name: what stands between "District"
    // and "-2006.MDB". A name of another form gives its whole base name.
    static QString districtIdentifier(const QString& fileName);

    // Nothing typed here is lost by closing: Cancel and closing from outside ask nothing.
    bool Query_Close() override { return true; }

public slots:
    void CmdImport_Click();

private:
    bool Load_Import_Tree(const QString& path);

    QTreeWidget* m_TVImportSelect = nullptr;
    DistrictFile::Content m_content;
};
