#pragma once

// The three plots for those who cannot see them, or want their numbers: an invisible accessible
// region over each plot, described anew by every pass the window publishes, and the readout under
// the resting mouse.

#include "Pass.h"

#include <QObject>

class TAccessibleRegion;
class PassPublisher;
class TForm;

class PlotReadouts final : public QObject {
    Q_OBJECT

public:
    PlotReadouts(TForm& form, const PassPublisher& passes);

protected:
    bool event(QEvent* event) override;

private:
    void follow(const spectrum::PassResult& pass);

    const PassPublisher& m_passes;
    TAccessibleRegion* m_amplitudePanel;
    TAccessibleRegion* m_phasePanel;
    TAccessibleRegion* m_signalPanel;
};
