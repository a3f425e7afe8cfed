#pragma once

#include "run_error.h"

#include <QEventLoop>
#include <QFuture>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <QTimer>

#include <exception>
#include <functional>
#include <memory>

#if defined(__SANITIZE_THREAD__)
#define PIXMINT_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define PIXMINT_THREAD_SANITIZER 1
#endif
#endif
#ifdef PIXMINT_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace pixmint {

namespace detail {

// ThreadSanitizer cannot see the hand-over that Qt's thread pool and futures do: Debian's Qt
// is not built with it, and its mutexes wait on futexes directly. These two tell it what Qt
// guarantees: what one thread did before handOver(token) happened before what another does
// after takeOver(token). In any other build they are nothing.
inline void handOver([[maybe_unused]] void* token)
{
#ifdef PIXMINT_THREAD_SANITIZER
    __tsan_release(token);
#endif
}

inline void takeOver([[maybe_unused]] void* token)
{
#ifdef PIXMINT_THREAD_SANITIZER
    __tsan_acquire(token);
#endif
}

// The task the pool runs. It is taken over at its own address, which the window thread
// hands over before the pool sees the task (a std::function keeps a task of this size on
// the heap and moves only the pointer); the result goes back through the promise.
template <typename T>
struct BackgroundTask {
    std::shared_ptr<QPromise<T>> promise;
    std::function<T()> work;

    void operator()()
    {
        takeOver(this);
        try {
            promise->addResult(work());
        } catch (...) {
            promise->setException(std::current_exception());
        }
        handOver(promise.get());
        promise->finish();
    }
};

}  // namespace detail

// Runs work on a thread of Qt's global pool while the calling (window) thread keeps
// processing its events, and returns work's result; an exception thrown by work is thrown
// here. For work that cannot yield by itself, such as decoding a picture: work must touch
// nothing but what it captured by value.
//
// When *abortRequested becomes true (the window is closing), the wait ends within a few
// milliseconds with WorkAborted; the work itself finishes on its thread and its result is dropped.
// The application waits for the pool's threads when it ends, so none outlives the program.
template <typename T>
T waitForBackgroundWork(std::function<T()> work, const bool* abortRequested)
{
    auto promise = std::make_shared<QPromise<T>>();
    QFuture<T> future = promise->future();
    promise->start();
    std::function<void()> task = detail::BackgroundTask<T>{promise, std::move(work)};
    detail::handOver(task.target<detail::BackgroundTask<T>>());
    QThreadPool::globalInstance()->start(std::move(task));

    QEventLoop loop;
    QFutureWatcher<T> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    // The abort flag is a plain flag: it is looked at every few milliseconds.
    QTimer abortCheck;
    QObject::connect(&abortCheck, &QTimer::timeout, &loop, [&] {
        if (abortRequested && *abortRequested)
            loop.quit();
    });
    abortCheck.start(5);
    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec();
    // A result that comes in while the window closes is dropped as well.
    if (!future.isFinished() || (abortRequested && *abortRequested))
        throw WorkAborted();
    // A finished future holds all that the work did.
    detail::takeOver(promise.get());
    return future.takeResult();
}

}  // namespace pixmint
