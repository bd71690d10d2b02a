#pragma once

// The frames of the trace view: the last Capacity frames the adapter passed, kept in a ring, and
// the rows of those that the identifier filter lets through. Frames are taken from the traffic
// tap into a waiting list and become rows in batches (commit(), a few times a second), so the
// view is laid out a few times a second whatever the bus load. A decoder, when one is set, gives
// the "Decoded" column its words (the registers of a device's frame by their names); it is asked
// only for the rows shown, never per frame.

#include "TraceIdFilter.h"

#include "can/CanTrafficTap.h"
#include "core/CanFrame.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

class TraceFrameModel : public QAbstractTableModel, public CanTrafficObserver {
    Q_OBJECT
public:
    static constexpr int DefaultCapacity = 100000;
    enum Column { TimeColumn, DirectionColumn, IdColumn, DlcColumn, DataColumn, DecodedColumn, ColumnCount };
    // The words for a frame (empty: nothing to say), and whether it decodes anything at all now.
    struct Decoder {
        std::function<QString(const TCanFrame& frame)> Decode;
        std::function<bool()> Active;
    };

    explicit TraceFrameModel(int capacity = DefaultCapacity, QObject* parent = nullptr);
    ~TraceFrameModel() override;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    using CanTrafficObserver::canTraffic;
    void canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                    CanTrafficDirection direction) override;
    // Makes the waiting frames rows (those the filter lets through).
    void commit();
    void clear();
    void setFilter(const TraceIdFilter& filter);
    // While paused, passing frames are not taken (they are counted in missed()).
    void setPaused(bool paused);
    [[nodiscard]] bool paused() const { return m_paused; }

    [[nodiscard]] int capacity() const { return m_capacity; }
    // Frames in the ring (shown or filtered out).
    [[nodiscard]] int framesKept() const;
    [[nodiscard]] uint64_t missed() const { return m_missed; }
    // The row as candump prints it: "(time) Rx 110 [8] 00 01 ..."
    [[nodiscard]] QString lineText(int row) const;
    void setDecoder(Decoder decoder);
    // A decoder is set and can decode frames now: the view shows the "Decoded" column.
    [[nodiscard]] bool decoding() const {
        return m_decoder.Decode && (!m_decoder.Active || m_decoder.Active());
    }

private:
    struct Entry {
        int64_t timeUs = 0;
        uint32_t id = 0;
        bool extended = false;
        bool remote = false;
        bool sent = false;
        uint8_t dlc = 0;
        uint8_t data[8] = {};
    };
    [[nodiscard]] const Entry& entryOfRow(int row) const;
    [[nodiscard]] QString cellText(const Entry& e, int column) const;

    int m_capacity;
    std::vector<Entry> m_ring;
    uint64_t m_total = 0;  // sequence number of the next frame in the ring
    uint64_t m_oldest = 0; // sequence number of the oldest frame kept
    std::deque<uint64_t> m_rows;
    std::deque<Entry> m_waiting;
    TraceIdFilter m_filter;
    bool m_paused = false;
    uint64_t m_missed = 0;
    int64_t m_startUs = 0;
    QElapsedTimer m_clock;
    Decoder m_decoder;
};
