// A few threads, started on first use and kept for the life of the program, that run the tasks
// handed to them in turn. Built on the standard library alone, so that thread checkers see every
// hand-over between the threads.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class WorkerThreads
{
public:
    // One thread per core.
    static WorkerThreads &shared();

    explicit WorkerThreads(int threads);
    ~WorkerThreads();
    WorkerThreads(const WorkerThreads &) = delete;
    WorkerThreads &operator=(const WorkerThreads &) = delete;

    int size() const { return int(m_threads.size()); }
    void run(std::function<void()> task);

private:
    void work();

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_tasks;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};
