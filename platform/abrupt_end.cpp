// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/abrupt_end.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdlib>

namespace quelmo::platform {

namespace {
std::function<void()> gOnEnd;
QtMessageHandler gPreviousHandler = nullptr;
bool gExitHandlerSet = false;

void RunOnce() {
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread() || !gOnEnd)
        return;
    const std::function<void()> onEnd = std::move(gOnEnd);
    gOnEnd = nullptr;
    onEnd();
}

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // Said first: what follows may take a moment, and the warning explains the end.
    if (gPreviousHandler)
        gPreviousHandler(type, context, message);
    if (AbruptEndWatch::IsDisplayLoss(message))
        RunOnce();
}

extern "C" void OnExit() {
    RunOnce();
}
} // namespace

AbruptEndWatch::AbruptEndWatch(std::function<void()> onEnd) {
    gOnEnd = std::move(onEnd);
    gPreviousHandler = qInstallMessageHandler(OnMessage);
    if (!gExitHandlerSet)
        gExitHandlerSet = std::atexit(OnExit) == 0;
}

AbruptEndWatch::~AbruptEndWatch() {
    gOnEnd = nullptr;
    qInstallMessageHandler(gPreviousHandler);
    gPreviousHandler = nullptr;
}

bool AbruptEndWatch::IsDisplayLoss(const QString& message) {
    return message.startsWith(QLatin1String("The X11 connection broke")) ||
           message.startsWith(QLatin1String("The Wayland connection broke")) ||
           message.startsWith(QLatin1String("The Wayland connection experienced a fatal error"));
}

} // namespace quelmo::platform
