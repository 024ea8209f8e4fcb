#include "results/frm_place_assign.h"

#include "database/class_data.h"
#include "database/class_lineup.h"
#include "results/publish_settings.h"
#include "ui/error_reporter.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

namespace {
const char* const PlaceCaptions[FrmPlaceAssign::Places] = {
    "First Place", "Second Place", "Third Place", "Fourth Place", "Fifth Place",
    "Sixth Place", "Seventh Place", "Eighth Place", "Nineth Place", "Tenth Place"};
const char* const PlaceLabelNames[FrmPlaceAssign::Places] = {"LblFirst",   "LblSecond", "LblThird",  "LblFourth",
                                                              "LblFifth",   "LblSixth",  "LblSeventh", "LblEighth",
                                                              "LblNineth",  "LblTenth"};
constexpr int ListLeft[3] = {0, 2520, 5400};
constexpr int ListWidth = 2760;
constexpr int FirstPlaceTop = 1920;
constexpr int PlaceStep = 420;
} // namespace

FrmPlaceAssign::FrmPlaceAssign(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmPlaceAssign"), QStringLiteral("Class Placings"), 8400, 7080, parent) {
    addCaption(QStringLiteral("Division"), {360, 240, 1000, 300})->setObjectName(QStringLiteral("LblDivision"));
    m_TxtDivision = addCaption(QString(), {1400, 240, 600, 300});
    m_TxtDivision->setObjectName(QStringLiteral("TxtDivision"));
    addCaption(QStringLiteral("Class"), {2400, 240, 800, 300})->setObjectName(QStringLiteral("LblClass"));
    m_TxtClass = addCaption(QString(), {3200, 240, 4900, 300});
    m_TxtClass->setObjectName(QStringLiteral("TxtClass"));
    m_TxtClass->setFont(QFont(QStringLiteral("Times New Roman"), 10, QFont::Bold));
    addCaption(QStringLiteral("Judge"), {ListLeft[1], 960, 1000, 300})->setObjectName(QStringLiteral("LblJudge"));
    for (int column = 1; column <= 2; ++column) {
        auto* judge = new QLineEdit(this);
        judge->setObjectName(QStringLiteral("TxtJudge_%1").arg(column));
        judge->setReadOnly(true);
        judge->setAccessibleName(QStringLiteral("Judge %1").arg(column));
        WindowGeometry::place(judge, ListLeft[column], 1290, ListWidth, 375);
        m_TxtJudge[static_cast<size_t>(column)] = judge;
    }
    for (int i = 0; i < Places; ++i) {
        const int top = FirstPlaceTop + i * PlaceStep;
        addCaption(QLatin1String(PlaceCaptions[i]), {360, top + 30, 2000, 300})
            ->setObjectName(QLatin1String(PlaceLabelNames[i]));
        for (int column = 1; column <= 2; ++column) {
            auto* list = new QComboBox(this);
            list->setObjectName(QStringLiteral("CbPlacing%1_%2").arg(column).arg(i));
            list->setAccessibleName(QStringLiteral("%1, judge %2").arg(QLatin1String(PlaceCaptions[i])).arg(column));
            list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            WindowGeometry::place(list, ListLeft[column], top, ListWidth, 360);
            m_CbPlacing[static_cast<size_t>(column - 1)][static_cast<size_t>(i)] = list;
        }
    }
    addSubmitButton(QStringLiteral("CmdSubmit"), QStringLiteral("Submit"), {2160, 6300, 1560, 480});
    addCancelButton({4680, 6300, 1560, 480});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

QComboBox* FrmPlaceAssign::placeList(int column, int place) const {
    return m_CbPlacing[static_cast<size_t>(column - 1)][static_cast<size_t>(place - 1)];
}

QString FrmPlaceAssign::riderText(const ResultData::EntrantRow& rider) const {
    QString text = rider.RiderNumber + QStringLiteral(" - ") + rider.FirstName + u' ' + rider.LastName;
    if (m_classNumber == ClassLineup::RelayClassNumber && !rider.PartnerNumber.isEmpty())
        text += QStringLiteral(" and ") + rider.PartnerNumber + QStringLiteral(" - ") + rider.PartnerFirst + u' ' +
                rider.PartnerLast;
    return text;
}

bool FrmPlaceAssign::InitializeForm(const QString& division, int classnumber) {
    m_division = division;
    m_classNumber = classnumber;
    m_TxtDivision->setText(division);
    Messages& messages = m_state.messages;
    QList<ResultData::Judge> judges;
    QList<ResultData::EntrantRow> entrants;
    QList<ResultData::Placing> stored;
    QString className;
    if (!runReportingErrors(messages, [&] {
            const QSqlDatabase db = m_state.db();
            judges = ResultData::judgesOfClass(db, classnumber, division);
            className = ClassData::className(db, classnumber);
            entrants = ResultData::entrantsOfClass(db, classnumber, division);
            stored = ResultData::placingsOfClass(db, classnumber, division);
            m_loaded = ResultData::snapshotOf(stored);
            // A stored placing whose rider has left the class stays visible as its own choice.
            QSet<qint32> entered;
            for (const ResultData::EntrantRow& rider : std::as_const(entrants))
                entered.insert(rider.RiderIndex);
            for (const ResultData::Placing& placing : std::as_const(stored))
                if (!entered.contains(placing.RiderIndex)) {
                    entered.insert(placing.RiderIndex);
                    entrants.append(ResultData::rider(db, placing.RiderIndex));
                    entrants.last().LastName += QStringLiteral(" (no longer entered)");
                }
        }))
        return false;
    if (judges.isEmpty()) {
        messages.notice(Messages::appTitle(), QStringLiteral("You must first assign judges to this class"));
        return false;
    }
    for (int column = 1; column <= 2 && column <= judges.size(); ++column) {
        const ResultData::Judge& judge = judges[column - 1];
        m_judges[static_cast<size_t>(column)] = judge.JudgeID;
        m_TxtJudge[static_cast<size_t>(column)]->setText(judge.FirstName + u' ' + judge.LastName);
    }
    if (!className.isEmpty())
        m_TxtClass->setText(QStringLiteral("Class %1 - %2").arg(classnumber).arg(className));
    if (entrants.isEmpty()) {
        messages.notice(Messages::appTitle(), QStringLiteral("There are currently no riders entered in this class."));
        return false;
    }
    addChoices(entrants);
    showStored(stored);
    return true;
}

// The twenty lists offer the same choices, made once (at ten times a meet, twenty lists of
// a few hundred entries each took longer than a frame).
void FrmPlaceAssign::addChoices(const QList<ResultData::EntrantRow>& choices) {
    QList<std::pair<QString, qint64>> entries;
    entries.reserve(choices.size() + 1);
    entries.append({QStringLiteral("N/A"), -1});
    for (const ResultData::EntrantRow& rider : choices)
        entries.append({riderText(rider), rider.RiderIndex});
    QList<QComboBox*> lists;
    for (int column = 1; column <= 2; ++column)
        for (int place = 1; place <= Places; ++place) {
            QComboBox* list = placeList(column, place);
            list->setEnabled(m_judges[static_cast<size_t>(column)] >= 0);
            lists.append(list);
        }
    KeyedEntries::share(lists, entries, this);
}

void FrmPlaceAssign::showStored(const QList<ResultData::Placing>& placings) {
    for (const ResultData::Placing& placing : placings)
        for (int column = 1; column <= 2; ++column)
            if (placing.JudgeID == m_judges[static_cast<size_t>(column)] && placing.Place >= 1 &&
                placing.Place <= Places) {
                QComboBox* list = placeList(column, placing.Place);
                list->setCurrentIndex(KeyedEntries::positionOf(list, placing.RiderIndex));
            }
}

// A rider may be placed once under each judge.
bool FrmPlaceAssign::Validate_Input() {
    for (int column = 1; column <= 2; ++column) {
        QSet<qint64> placed;
        for (int place = 1; place <= Places; ++place) {
            const QComboBox* list = placeList(column, place);
            const qint64 rider = KeyedEntries::keyAt(list, list->currentIndex());
            if (rider < 0)
                continue;
            if (placed.contains(rider))
                return refuse(QStringLiteral("The current placings cannot be saved. Make sure you do not have the "
                                             "same person placing twice under the same judge"));
            placed.insert(rider);
        }
    }
    return true;
}

// Points are 11 minus the place.
bool FrmPlaceAssign::Store_Input() {
    QList<ResultData::Placing> placings;
    for (int column = 1; column <= 2; ++column)
        for (int place = 1; place <= Places; ++place) {
            const QComboBox* list = placeList(column, place);
            const qint64 rider = KeyedEntries::keyAt(list, list->currentIndex());
            if (rider >= 0)
                placings.append({m_classNumber, place, m_division, static_cast<qint32>(rider), double(11 - place),
                                 m_judges[static_cast<size_t>(column)]});
        }
    const bool stored = storeRecord(
        [&] { return ResultData::replacePlacings(m_state.db(), m_classNumber, m_division, m_loaded, placings); },
        Messages::appTitle(),
        QStringLiteral("The placings of class %1 in division %2 were changed at another station since this window "
                       "opened them. Your changes were not saved; close this window and open it again to see them.")
            .arg(m_classNumber)
            .arg(m_division));
    if (stored)
        PublishSettings::publishAfterPlacingsSave(m_state);
    return stored;
}

// The window's close button asks what Cancel asks; "No" keeps the window and its choices.
// A close made by the program itself (after a save, a confirmed Cancel, or the question
// of the window beneath) has been asked already and is not spontaneous.
void FrmPlaceAssign::closeEvent(QCloseEvent* event) {
    if (event->spontaneous() && !Query_Close()) {
        event->ignore();
        return;
    }
    EntryWindow::closeEvent(event);
}
