#include "PassPublisher.h"

void PassPublisher::publish(spectrum::PassResult pass) {
    m_latest = std::move(pass);
    ++m_count;
    emit published(m_latest);
}

void PassPublisher::setOverlays(const spectrum::PictureOverlays& overlays) {
    if (overlays == m_overlays)
        return;
    m_overlays = overlays;
    emit requestsChanged();
}

void PassPublisher::wantMeasures(const QObject* follower, bool wanted) {
    const bool before = measuresWanted();
    if (wanted)
        m_measuresWanted.insert(follower);
    else
        m_measuresWanted.remove(follower);
    if (measuresWanted() != before)
        emit requestsChanged();
}
