#pragma once

#include <QByteArray>
#include <QObject>

namespace trelvo::vantrel {

class TrussView;

// Test hook: when VANTREL_EXIT_AFTER_FIRST_FRAME names a file, the viewer writes into it,
// once its first frame is painted, one line holding the argument it received, a tab and
// its working folder, and then quits with exit code 0.
class FirstFrameProbe : public QObject {
    Q_OBJECT

  public:
    static constexpr const char* kVariable = "VANTREL_EXIT_AFTER_FIRST_FRAME";

    FirstFrameProbe(TrussView& view, QByteArray argument);

  private:
    void Record();

    QByteArray argument_;
    QByteArray recordPath_;
};

} // namespace trelvo::vantrel
