#include "textwin/key_queue.h"

wchar_t keyQueue[KEY_QUEUE_SIZE];
std::atomic<uint32_t> keyQueueRead{0};
std::atomic<uint32_t> keyQueueWrite{0};
wchar_t lastLine[LINE_CAPACITY];
std::atomic<int32_t> recallRequest{RECALL_NONE};

bool QueueKey(wchar_t unit) {
    uint32_t write = keyQueueWrite.load(std::memory_order_relaxed);
    if (write - keyQueueRead.load(std::memory_order_acquire) >= KEY_QUEUE_SIZE) return false;
    keyQueue[write % KEY_QUEUE_SIZE] = unit;
    keyQueueWrite.store(write + 1, std::memory_order_release);
    return true;
}

wchar_t TakeKey() {
    uint32_t read = keyQueueRead.load(std::memory_order_relaxed);
    if (read == keyQueueWrite.load(std::memory_order_acquire)) return 0;
    wchar_t unit = keyQueue[read % KEY_QUEUE_SIZE];
    keyQueueRead.store(read + 1, std::memory_order_release);
    return unit;
}
