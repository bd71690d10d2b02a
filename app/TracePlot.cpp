#include "TracePlot.h"

#include "core/DeviceMessage.h"
#include "device/TrendDescriptions.h"
#include "device/TrendForm.h"
#include "profile/ProfileStore.h"
#include "trace/TraceFileReader.h"
#include "ui/ErrorReport.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>


TTracePlot::TTracePlot(const TProject& project, int row, const QList<int>& registers,
                       const QString& settingsFolder)
    : m_project(project), m_row(row), m_settingsFolder(settingsFolder),
      m_model(std::make_unique<TTrendModel>(m_image, RingCapacity)) {
    TDeviceProfile profile;
    QString why;
    if (TProfileStore(settingsFolder).load(project.Name, row, &profile, &why)) {
        m_model->setDescriptions(TrendDescriptionsOf(&profile));
    }
    for (int reg : registers)
        (void)m_model->addRegister(reg);
}

TTracePlot::~TTracePlot() {
    delete m_form;
}

bool TTracePlot::load(const QString& path, QWidget* parent) {
    TraceFileReader reader;
    if (!reader.open(path)) {
        ReportError(reader.errorString());
        return false;
    }
    const TZELM& z = m_project.Devices[static_cast<size_t>(m_row)];
    QProgressDialog progress(tr("Reading %1…").arg(QFileInfo(path).fileName()), tr("Cancel"), 0, 1000,
                             parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    TraceFrame frame;
    uint64_t n = 0;
    for (;;) {
        const TraceFileReader::Result r = reader.next(frame);
        if (r == TraceFileReader::Result::Busy) continue;
        if (r == TraceFileReader::Result::End) break;
        if (r == TraceFileReader::Result::Failed) {
            ReportError(reader.errorString());
            return false;
        }
        if ((++n & 0x3FFF) == 0) {
            progress.setValue(
                static_cast<int>(reader.size() > 0 ? reader.bytesRead() * 1000 / reader.size() : 0));
            if (progress.wasCanceled()) return false;
        }
        if (frame.error || frame.remote) continue;
        const TCanFrame f = frame.canFrame();
        const uint32_t key = CanKey(f.ID, m_project.Protokol);
        if (key != z.RXadr && key != z.TXadr) continue;
        // Every register written is a sample at the frame's recorded time.
        m_image.setMessageTime(frame.timeUs / 1000, true);
        (void)m_image.apply(DecodeDeviceFrame(f, m_project.Protokol, z.RXadr, z.TXadr));
    }
    m_image.clearMessageTime();
    return true;
}

void TTracePlot::show() {
    if (m_form == nullptr) {
        m_form = new TTrendForm(*m_model, m_settingsFolder, nullptr);
        m_form->setAttribute(Qt::WA_DeleteOnClose);
        m_form->setTitle(
            tr("Trend - %1 (row %2)").arg(m_project.Devices[static_cast<size_t>(m_row)].Name).arg(m_row));
        connect(m_form, &QObject::destroyed, this, [this] {
            m_form = nullptr;
            deleteLater();
        });
    }
    // The whole trace in view, standing still.
    m_form->setPaused(true);
    m_form->show();
    m_form->showWhole();
}
