#pragma once

// The window's passes, handed on. Every feature that draws, sounds or reads out a pass follows the
// window here, so the pass itself calls none of them.

#include "Pass.h"

#include <QObject>

class PassPublisher final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Keeps the pass as the window's latest, then hands it to every follower in the order they
    // subscribed.
    void publish(spectrum::PassResult pass);
    // What the window shows now; a pass computing nothing until the first pass.
    const spectrum::PassResult& latest() const { return m_latest; }
    // How many passes the window has published; a start-up probe waits for the first.
    unsigned long long count() const { return m_count; }

signals:
    void published(const spectrum::PassResult& pass);

private:
    spectrum::PassResult m_latest;
    unsigned long long m_count = 0;
};
