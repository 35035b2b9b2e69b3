// Characters typed into text windows while a line input waits, and the recall requests.
// One producer (the text window procedure) and one consumer (the reading loop), possibly on
// different threads: each index is written by one side only, so nothing is lost without a lock.
#pragma once

#include <atomic>
#include <cstdint>

enum { KEY_QUEUE_SIZE = 256, LINE_CAPACITY = 256 };

enum RecallRequests { RECALL_NONE = 0, RECALL_LAST_LINE = 1, RECALL_CLIPBOARD = 2 };

extern wchar_t keyQueue[KEY_QUEUE_SIZE];
extern std::atomic<uint32_t> keyQueueRead;  // units taken so far; the next one is at keyQueueRead % size
extern std::atomic<uint32_t> keyQueueWrite; // units stored so far
extern wchar_t lastLine[LINE_CAPACITY];     // the last line entered in any text window
extern std::atomic<int32_t> recallRequest;  // RecallRequests

bool QueueKey(wchar_t unit); // false when the queue is full (the unit is dropped)
wchar_t TakeKey();           // 0 when the queue is empty
