// A stand-in for the adapter library slcan.dll, for the tests of the slcandll plugin: its adapters
// share one loop-back bus (a frame written on one is an event on every other open one), and the
// StandIn_* functions let a test choose the adapter count and a step to refuse, read the calls
// made, the last message record written as bytes, and put raw event records in an adapter's queue.
// Its records are laid out here byte by byte, apart from the program's own.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>

#define STANDIN_EXPORT extern "C" __declspec(dllexport)

namespace {

#pragma pack(push, 1)
struct Message {
    uint8_t flags;
    uint32_t id;
    uint8_t count;
    uint8_t data[8];
};
struct Event {
    uint8_t type;
    uint32_t time;
    Message message;
};
#pragma pack(pop)
static_assert(sizeof(Message) == 14 && sizeof(Event) == 19, "the library's records");

constexpr int32_t MaxAdapters = 4;
constexpr int32_t HandleBase = 100;

std::mutex g_mutex;
std::condition_variable g_arrived;
int32_t g_count = 2;
std::string g_refuse;
std::string g_log;
bool g_open[MaxAdapters] = {};
std::deque<Event> g_queue[MaxAdapters];
uint8_t g_lastWritten[sizeof(Message)] = {};

int adapterOf(int32_t handle) {
    const int i = handle - HandleBase;
    return i >= 0 && i < g_count && i < MaxAdapters ? i : -1;
}

int32_t step(const char* name, const std::string& arguments = {}) {
    g_log += name + (arguments.empty() ? std::string() : ' ' + arguments) + ';';
    return g_refuse == name ? 0 : 1;
}

} // namespace

// Each call is logged; a step the test named is refused.
STANDIN_EXPORT int32_t SlCan_Load(void*, void*) {
    const std::lock_guard lock(g_mutex);
    return step("Load");
}
STANDIN_EXPORT int32_t SlCan_Free(uint32_t) {
    return 1;
}
STANDIN_EXPORT int32_t SlCan_GetDeviceCount() {
    const std::lock_guard lock(g_mutex);
    return step("GetDeviceCount"), g_count;
}
STANDIN_EXPORT int32_t SlCan_GetDevice(uint32_t index) {
    const std::lock_guard lock(g_mutex);
    return step("GetDevice", std::to_string(index)) && index < uint32_t(g_count) ? HandleBase + int32_t(index)
                                                                                 : -1;
}
STANDIN_EXPORT int32_t SlCan_DeviceOpen(int32_t h) {
    const std::lock_guard lock(g_mutex);
    const int i = adapterOf(h);
    return i >= 0 && step("DeviceOpen", std::to_string(h)) ? (g_open[i] = true) : 0;
}
STANDIN_EXPORT int32_t SlCan_DeviceClose(int32_t h) {
    const std::lock_guard lock(g_mutex);
    if (const int i = adapterOf(h); i >= 0) g_open[i] = false;
    return step("DeviceClose", std::to_string(h));
}
STANDIN_EXPORT int32_t SlCan_DeviceSetBitRate(int32_t, const uint8_t* record) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%04X", unsigned(record[0] | record[1] << 8));
    const std::lock_guard lock(g_mutex);
    return step("SetBitRate", code);
}
// The narrow argument reads the low byte of what the program passes.
STANDIN_EXPORT int32_t SlCan_DeviceSetEventLevel(int32_t, uint8_t level) {
    const std::lock_guard lock(g_mutex);
    return step("SetEventLevel", std::to_string(level));
}
STANDIN_EXPORT int32_t SlCan_DeviceSetMode(int32_t, uint32_t mode) {
    const std::lock_guard lock(g_mutex);
    return step("SetMode", std::to_string(mode));
}
STANDIN_EXPORT int32_t SlCan_DeviceSetTXTimeOut(int32_t, uint32_t timeOut) {
    const std::lock_guard lock(g_mutex);
    return step("SetTXTimeOut", std::to_string(timeOut));
}
STANDIN_EXPORT int32_t SlCan_DeviceWriteMessages(int32_t h, const Message* messages, uint32_t count,
                                                 uint8_t* status) {
    const std::lock_guard lock(g_mutex);
    const int from = adapterOf(h);
    if (from < 0 || !g_open[from]) return 0;
    *status = 0;
    for (uint32_t k = 0; k < count; ++k) {
        std::memcpy(g_lastWritten, &messages[k], sizeof(Message));
        for (int to = 0; to < g_count; ++to)
            if (to != from && g_open[to]) g_queue[to].push_back(Event{0, 0, messages[k]});
    }
    g_arrived.notify_all();
    return 1;
}
STANDIN_EXPORT int32_t SlCan_DeviceReadEvents(int32_t h, uint32_t timeOut, Event* events, uint32_t maxCount,
                                              uint32_t* count) {
    std::unique_lock lock(g_mutex);
    const int i = adapterOf(h);
    if (i < 0 || !g_open[i]) return 0;
    g_arrived.wait_for(lock, std::chrono::milliseconds(timeOut), [i] { return !g_queue[i].empty(); });
    uint32_t n = 0;
    for (; n < maxCount && !g_queue[i].empty(); ++n) {
        events[n] = g_queue[i].front();
        g_queue[i].pop_front();
    }
    *count = n;
    return 1;
}

STANDIN_EXPORT void StandIn_Reset(int32_t adapters, const char* refuse) {
    const std::lock_guard lock(g_mutex);
    g_count = adapters;
    g_refuse = refuse;
    g_log.clear();
    for (auto& queue : g_queue)
        queue.clear();
}
STANDIN_EXPORT void StandIn_Log(char* text, uint32_t size) {
    const std::lock_guard lock(g_mutex);
    std::snprintf(text, size, "%s", g_log.c_str());
}
STANDIN_EXPORT void StandIn_LastWritten(uint8_t* record) {
    const std::lock_guard lock(g_mutex);
    std::memcpy(record, g_lastWritten, sizeof g_lastWritten);
}
STANDIN_EXPORT void StandIn_Inject(int32_t adapter, const uint8_t* record) {
    const std::lock_guard lock(g_mutex);
    Event event;
    std::memcpy(&event, record, sizeof event);
    g_queue[adapter].push_back(event);
    g_arrived.notify_all();
}
