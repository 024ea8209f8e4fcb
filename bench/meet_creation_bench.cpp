#include "database/cls_db_manager.h"
#include "ui/meet_creation.h"
#include "database/meet_schema.h"
#include "database/sql.h"
#include "labels/frm_label_builder.h"
#include "ui/twips.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <unistd.h>

// A whole meet database as start-up creates it: tables, class line-up, 36 label images,
// built under a temporary name and renamed into place.
static void BM_CreateMeetDatabase(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("QARNReduzuduv2006.mdb"));
    for (auto _ : state) {
        MeetCreation::build(folder.path(), path);
        state.PauseTiming();
        // A first creation: no database and no label folder yet.
        QFile::remove(path);
        QDir(folder.filePath(QStringLiteral("LabelFiles"))).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateMeetDatabase)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The nine tables with bare SQL in one transaction on a new file.
void createTablesBare(const QString& path) {
    DbConnection connection;
    connection.open(path);
    Sql::exec(connection.db(), QStringLiteral("PRAGMA journal_mode = DELETE"));
    connection.db().transaction();
    for (const MeetSchema::Table& table : MeetSchema::tables())
        Sql::exec(connection.db(), MeetSchema::createStatement(table));
    connection.db().commit();
}

// Baseline: the same nine tables with bare SQL in one transaction on a new file, nothing else.
static void BM_Baseline_CreateTablesOnly(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tables.db"));
    for (auto _ : state) {
        createTablesBare(path);
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Baseline_CreateTablesOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Baseline of the same work with nothing of ours in between: the nine tables in one
// transaction on a new file, then 36 label bitmaps of the same sizes, each a white surface
// with one line of text turned upright, encoded and written to the disk (a meet's files are
// written safely: each synced before it counts as made).
static void BM_Baseline_CreateMeetBare(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tables.db"));
    const FrmLabelBuilder builder(Twips::perPixel());
    const QList<QSize> sizes{builder.drawFormLabel(QStringLiteral("x")).size(),
                             builder.drawReportLabel(QStringLiteral("x")).size()};
    for (auto _ : state) {
        createTablesBare(path);
        for (int label = 0; label < 36; ++label) {
            QImage image(sizes[label % 2], QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                painter.rotate(90);
                painter.drawText(4, -4, QStringLiteral("Hunt Seat Equitation on the Flat %1").arg(label));
            }
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "BMP");
            QFile file(folder.filePath(QStringLiteral("label%1.bmp").arg(label)));
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(bytes);
            file.flush();
            ::fsync(file.handle());
        }
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Baseline_CreateMeetBare)->Unit(benchmark::kMillisecond)->MinTime(2.0);
