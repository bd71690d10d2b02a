#pragma once

// A trend of a trace file without playing it: the chosen registers of one device, read from the
// whole file into a trend model on the trace's own time and shown in a trend window of their own.
// The plot goes when its window is closed.

#include "core/Project.h"
#include "core/RegisterImage.h"
#include "trend/TrendModel.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class QWidget;
class TTrendForm;

class TTracePlot : public QObject {
    Q_OBJECT
public:
    // A sample per register change; the memory budget of all trends holds what fits of a long trace.
    static constexpr int RingCapacity = 16 * 1024 * 1024;

    TTracePlot(const TProject& project, int row, const QList<int>& registers, const QString& settingsFolder);
    ~TTracePlot() override;

    // Reads the file (with a progress dialog over parent that can cancel); false with the reason
    // reported when it cannot be read or the user cancelled.
    bool load(const QString& path, QWidget* parent);
    void show();
    [[nodiscard]] TTrendModel& model() { return *m_model; }

private:
    TProject m_project;
    int m_row;
    QString m_settingsFolder;
    TRegisterImage m_image;
    std::unique_ptr<TTrendModel> m_model;
    TTrendForm* m_form = nullptr;
};
