#pragma once
// Acts on the next modal dialog of a type while a command runs it with exec(): a short repeating
// timer finds it and calls act until act returns true (or two seconds have passed).

#include <QApplication>
#include <QTimer>
#include <functional>

template <class Dialog>
void WhenModal(std::function<bool(Dialog&)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if ((dialog && act(*dialog)) || ++*tries > 100) timer->deleteLater();
    });
    timer->start(20);
}
