#include "PassPublisher.h"

void PassPublisher::publish(spectrum::PassResult pass) {
    m_latest = std::move(pass);
    ++m_count;
    emit published(m_latest);
}
