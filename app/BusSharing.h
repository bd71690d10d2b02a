#pragma once

// The tool's bus shared with colleagues over socketcand (--serve-socketcand [ADDR:]PORT): the
// server, its tie to the adapter layer (every frame the tool receives or sends goes to each
// client; with --serve-socketcand-write clients may send through the open adapter), its events on
// standard output and its status under the Bus panel's figures.

#include <QString>

#include <memory>

class BusHealthPanel;
class SocketcandAdapterLink;
class SocketcandServer;

class TBusSharing {
public:
    ~TBusSharing();
    TBusSharing(const TBusSharing&) = delete;
    TBusSharing& operator=(const TBusSharing&) = delete;

    // Listens on `listen` ("[ADDR:]PORT", 127.0.0.1 unless an address is given); nullptr and the
    // reason when it cannot.
    [[nodiscard]] static std::unique_ptr<TBusSharing> start(const QString& listen, bool allowWrite,
                                                            BusHealthPanel* panel, QString* errorMessage);

    [[nodiscard]] SocketcandServer& server() const { return *m_server; }

private:
    TBusSharing();

    std::unique_ptr<SocketcandServer> m_server;
    std::unique_ptr<SocketcandAdapterLink> m_link;
};
