#pragma once

#include "results/result_data.h"
#include "ui/entry_window.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

// The placings of one class in one division ("Class Placings"): ten places under each of
// the class's two judges. Submit replaces the class's placings in the division.
class FrmPlaceAssign : public EntryWindow {
    Q_OBJECT
public:
    static constexpr int Places = 10;

    explicit FrmPlaceAssign(RunState& state, QWidget* parent = nullptr);

    // Fills the window; false, with the user told why, when it cannot be shown.
    bool InitializeForm(const QString& division, int classnumber);

    // The place list of a judge column (1 or 2) and place (1 to 10).
    QComboBox* placeList(int column, int place) const;

protected:
    bool Validate_Input() override;
    bool Store_Input() override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString riderText(const ResultData::EntrantRow& rider) const;
    void addChoices(const QList<ResultData::EntrantRow>& choices);
    void showStored(const QList<ResultData::Placing>& placings);

    QString m_division;
    int m_classNumber = 0;
    std::array<qint32, 3> m_judges{-1, -1, -1}; // columns 1 and 2
    // The class's placings as the window read them, for Submit to check they still stand.
    RowSnapshot m_loaded;
    QLabel* m_TxtDivision = nullptr;
    QLabel* m_TxtClass = nullptr;
    std::array<QLineEdit*, 3> m_TxtJudge{};
    std::array<std::array<QComboBox*, Places>, 2> m_CbPlacing{}; // judge columns 1 and 2
};
