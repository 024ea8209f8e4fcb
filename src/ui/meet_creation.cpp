#include "ui/meet_creation.h"

#include "database/cls_db_manager.h"
#include "database/meet_location.h"
#include "labels/frm_label_builder.h"
#include "ui/twips.h"

namespace MeetCreation {

bool build(const QString& programFolder, const QString& path) {
    return Cls_Db_Manager(programFolder).Build_Database(path, [](const QSqlDatabase& db, const QString& folder) {
        FrmLabelBuilder(Twips::perPixel()).Build_Labels(db, folder);
    });
}

bool build(const QString& programFolder, const MeetLocation& location) {
    if (!location.onServer())
        return build(programFolder, location.path());
    return Cls_Db_Manager(programFolder).Build_Server_Meet(location, [](const QSqlDatabase& db, const QString& folder) {
        FrmLabelBuilder(Twips::perPixel()).Build_Missing_Labels(db, folder);
    });
}

} // namespace MeetCreation
