#pragma once

// The window's passes, handed on. Every feature that draws, sounds or reads out a pass follows the
// window here, so the pass itself calls none of them. A feature that needs more of a pass than the
// window's design shows (the measures, a drawing switched on) asks for it here; the window reads
// the requests into every pass, and passes again when they change.

#include "Pass.h"

#include <QObject>
#include <QSet>

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

    // The drawings switched on over the window's picture.
    const spectrum::PictureOverlays& overlays() const { return m_overlays; }
    void setOverlays(const spectrum::PictureOverlays& overlays);
    // Whether some follower, while it shows them, wants the packet's measures with every pass.
    bool measuresWanted() const { return !m_measuresWanted.isEmpty(); }
    void wantMeasures(const QObject* follower, bool wanted);

signals:
    void published(const spectrum::PassResult& pass);
    // The next pass must compute or draw something else: the window passes again.
    void requestsChanged();

private:
    spectrum::PassResult m_latest;
    unsigned long long m_count = 0;
    spectrum::PictureOverlays m_overlays;
    QSet<const QObject*> m_measuresWanted;
};
