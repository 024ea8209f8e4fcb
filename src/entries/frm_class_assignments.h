#pragma once

#include "entries/entry_data.h"
#include "ui/grid_window.h"

class QLineEdit;

// The class entry grid ("Class Assignments") of one team: a row per rider, a column per
// class and a column of relay partners. Submit replaces the team's entries and pairings
// by what the grid shows.
class frmClassAssignments : public GridWindow {
    Q_OBJECT
public:
    explicit frmClassAssignments(RunState& state, QWidget* parent = nullptr);

    // Builds the grid for the team; false, with the user told why, when it cannot be shown.
    bool InitializeForm(qint32 rcvdteamCode);

    qint32 GridTeamCode() const { return m_GridTeamCode; }

protected:
    QString saveQuestion() const override;
    bool Validate_Input() override;
    bool Store_Input() override;

private:
    void Load_Existing_Entries(const QList<EntryData::Entry>& entries, const QList<EntryData::Pairing>& pairings);
    void Fill_Partner_Lists();
    // Whether a row's rider is entered in the relay (its class 17 box is ticked, which opens
    // its partner box), and the text of its partner box.
    bool relayEntrant(int row) const;
    QString partnerText(int row) const;
    // The team's rider with that back number (compared by value), or -1.
    int rowOfNumber(const QString& number) const;

    qint32 m_GridTeamCode = -1;
    QString m_teamName;
    QList<EntryData::Rider> m_riders;
    RowSnapshot m_loaded; // the team's rows as the grid read them, for Submit to check
    QLineEdit* m_TxtTeam = nullptr;
};
