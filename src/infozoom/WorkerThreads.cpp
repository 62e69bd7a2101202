// The threads that look up a fill's waiting values.
#include "WorkerThreads.h"

#include <algorithm>

WorkerThreads &WorkerThreads::shared()
{
    static WorkerThreads threads(int(std::max(1u, std::thread::hardware_concurrency())));
    return threads;
}

WorkerThreads::WorkerThreads(int threads)
{
    for (int t = 0; t < threads; ++t)
        m_threads.emplace_back([this] { work(); });
}

WorkerThreads::~WorkerThreads()
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (std::thread &thread : m_threads)
        thread.join();
}

void WorkerThreads::run(std::function<void()> task)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_tasks.push_back(std::move(task));
    }
    m_wake.notify_one();
}

void WorkerThreads::work()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_wake.wait(lock, [this] { return m_stopping || !m_tasks.empty(); });
            if (m_tasks.empty())
                return; // stopping
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task();
    }
}
