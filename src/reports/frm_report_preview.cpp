#include "reports/frm_report_preview.h"

#include "report_engine/report_layout.h"
#include "report_engine/report_painter.h"
#include "report_engine/report_table.h"
#include "reports/report_output.h"
#include "reports/report_page_view.h"
#include "ui/guarded_connect.h"
#include "ui/activity_host.h"
#include "ui/run_state.h"
#include "ui/file_dialogs.h"
#include "ui/messages.h"
#include "ui/sub_windows.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
const int ZoomPercents[] = {50, 75, 100, 125, 150, 200};
constexpr int DefaultZoomIndex = 2;
} // namespace

FrmReportPreview* FrmReportPreview::Show(RunState& state, std::unique_ptr<Report> report, QWidget* owner) {
    return Show(state, PreparedReport::of(std::move(report)), owner);
}

FrmReportPreview* FrmReportPreview::Show(RunState& state, PreparedReport prepared, QWidget* owner) {
    auto* preview = new FrmReportPreview(state, std::move(prepared), owner);
    SubWindows::showOwned(preview, owner);
    return preview;
}

FrmReportPreview::FrmReportPreview(RunState& state, std::unique_ptr<Report> report, QWidget* owner)
    : FrmReportPreview(state, PreparedReport::of(std::move(report)), owner) {}

FrmReportPreview::FrmReportPreview(RunState& state, PreparedReport prepared, QWidget* owner)
    : QWidget(nullptr), m_state(state), m_prepared(std::move(prepared)), m_report(m_prepared.report.get()),
      m_owner(owner) {
    // A window of its own rather than a child of its owner: closing it may close the owner.
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(m_report->name());
    setWindowTitle(m_report->title());
    m_pages = m_prepared.paged();

    m_CmdPrint = new QPushButton(QStringLiteral("Print..."), this);
    m_CmdPrint->setObjectName(QStringLiteral("CmdPrint"));
    m_CmdSavePdf = new QPushButton(QStringLiteral("Save as PDF..."), this);
    m_CmdSavePdf->setObjectName(QStringLiteral("CmdSavePdf"));
    m_CmdSaveCsv = new QPushButton(QStringLiteral("Save as CSV..."), this);
    m_CmdSaveCsv->setObjectName(QStringLiteral("CmdSaveCsv"));
    // Only a single report with columns reads as a table.
    m_CmdSaveCsv->setVisible(!m_prepared.severalParts() && !m_report->columns().isEmpty());
    m_CmdClose = new QPushButton(QStringLiteral("Close"), this);
    m_CmdClose->setObjectName(QStringLiteral("CmdClose"));
    m_keys.add(nullptr, m_CmdClose);
    m_CbZoom = new QComboBox(this);
    m_CbZoom->setObjectName(QStringLiteral("CbZoom"));
    m_CbZoom->setAccessibleName(QStringLiteral("Zoom"));
    for (const int percent : ZoomPercents)
        m_CbZoom->addItem(QStringLiteral("%1%").arg(percent), percent);
    m_CbZoom->setCurrentIndex(DefaultZoomIndex);
    m_LblPages = new QLabel(this);
    m_LblPages->setObjectName(QStringLiteral("LblPages"));
    m_LblPages->setText(m_pages.pageCount() == 1 ? QStringLiteral("1 page")
                                                 : QStringLiteral("%1 pages").arg(m_pages.pageCount()));

    m_view = new ReportPageView(m_pages);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollPages"));
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_CmdPrint);
    bar->addWidget(m_CmdSavePdf);
    bar->addWidget(m_CmdSaveCsv);
    bar->addSpacing(20);
    auto* zoomLabel = new QLabel(QStringLiteral("&Zoom:"), this);
    zoomLabel->setBuddy(m_CbZoom);
    bar->addWidget(zoomLabel);
    bar->addWidget(m_CbZoom);
    bar->addStretch();
    bar->addWidget(m_LblPages);
    bar->addWidget(m_CmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll);
    setTabOrder(m_CbZoom, m_CmdClose); // as they stand on screen

    connectGuarded(m_state.messages, m_CmdPrint, &QPushButton::clicked, this, &FrmReportPreview::CmdPrint_Click);
    connectGuarded(m_state.messages, m_CmdSavePdf, &QPushButton::clicked, this, &FrmReportPreview::CmdSavePdf_Click);
    connectGuarded(m_state.messages, m_CmdSaveCsv, &QPushButton::clicked, this, &FrmReportPreview::CmdSaveCsv_Click);
    connectGuarded(m_state.messages, m_CmdClose, &QPushButton::clicked, this, [this] { close(); });
    connectGuarded(m_state.messages, m_CbZoom, &QComboBox::currentIndexChanged, this, &FrmReportPreview::CbZoom_Click);
    Report_Initialize();
}

// The page view draws from m_pages; it goes before the members do.
FrmReportPreview::~FrmReportPreview() { delete m_scroll; }

// Left and top 50 twips; as wide as the screen less 100, as high as the screen less 600.
void FrmReportPreview::Report_Initialize() {
    setGeometry(Twips::toPixels(QRect(50, 50, m_state.ScreenWidth - 100, m_state.ScreenHeight - 600)));
}

void FrmReportPreview::CbZoom_Click() { m_view->setZoom(m_CbZoom->currentData().toInt() / 100.0); }

void FrmReportPreview::CmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_report->title());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print %1").arg(m_report->title()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    ReportPainter::print(m_pages.all(), printer);
}

void FrmReportPreview::CmdSavePdf_Click() {
    saveAs(QStringLiteral("PDF"),
           [this](const QString& path) { return ReportPainter::writePdfFile(m_pages.all(), path); });
}

void FrmReportPreview::CmdSaveCsv_Click() {
    saveAs(QStringLiteral("CSV"), [this](const QString& path) { return ReportTable::writeCsvFile(*m_report, path); });
}

void FrmReportPreview::saveAs(const QString& format, const std::function<Refusal(const QString&)>& write) {
    const QString extension = u'.' + format.toLower();
    const QString suggested = QDir(m_state.ProgramFolder).filePath(m_report->title() + extension);
    QString path = m_state.fileDialogs.saveFile(this, QStringLiteral("Save as ") + format, suggested,
                                                QStringLiteral("%1 files (*%2)").arg(format, extension));
    if (path.isEmpty())
        return;
    if (!path.endsWith(extension, Qt::CaseInsensitive))
        path += extension;
    if (const Refusal refused = ReportOutput::refusal(m_state, path)) {
        m_state.messages.notice(Messages::appTitle(), refused.why(), Messages::Icon::Critical);
        return;
    }
    if (const Refusal failed = write(path))
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("The report could not be saved to %1:\n\n%2")
                                    .arg(QDir::toNativeSeparators(path), failed.why()),
                                Messages::Icon::Critical);
}

void FrmReportPreview::closeEvent(QCloseEvent* event) {
    event->accept();
    Report_Terminate();
    QWidget::closeEvent(event);
}

void FrmReportPreview::keyPressEvent(QKeyEvent* event) {
    if (!m_keys.handle(event))
        QWidget::keyPressEvent(event);
}

void FrmReportPreview::Report_Terminate() {
    if (m_terminated)
        return;
    m_terminated = true;
    if (m_report->closesActivity() && m_state.host && m_state.host->CurrentActivity() != 0)
        m_state.host->Close_Current_Activity();
    else if (m_owner) // back to the window that showed the report
        m_owner->activateWindow();
}
