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

namespace pixmint {

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
    QThreadPool::globalInstance()->start([promise, work = std::move(work)] {
        try {
            promise->addResult(work());
        } catch (...) {
            promise->setException(std::current_exception());
        }
        promise->finish();
    });

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
    return future.takeResult();
}

}  // namespace pixmint
