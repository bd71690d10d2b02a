#pragma once

// What the serial exchange needs of the panel that shows it: the port, the time-out, a progress
// display and an abort request. The UART panel of the main window is one; the exchange knows
// nothing else of it.

#include <cstdint>

class QObject;
class TComPort;

class TRsPanelLink {
public:
    virtual ~TRsPanelLink() = default;

    // The object whose end takes the panel and its port away; the exchange checks it after
    // window messages ran.
    [[nodiscard]] virtual QObject* rsObject() = 0;
    [[nodiscard]] virtual TComPort& rsPort() = 0;
    // Time-out for the first character and every gap, in ticks of 1/18.2 s.
    [[nodiscard]] virtual int32_t rsTimeWait() const = 0;

    // An exchange begins: any earlier abort request is forgotten and the user may abort.
    virtual void rsBegin() = 0;
    // The progress display counts from 0 to total.
    virtual void rsProgressRange(int32_t total) = 0;
    // Bytes moved so far; past the total the display stays full.
    virtual void rsProgress(int32_t done) = 0;
    // The user asked to abort since rsBegin().
    [[nodiscard]] virtual bool rsAbortRequested() const = 0;
    // The exchange is over: no abort offered, no request kept.
    virtual void rsEnd() = 0;
};
