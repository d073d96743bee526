#pragma once

#include <QProxyStyle>

namespace trelvo::qt {

// The platform's style, except that its standard icons are only loaded when first drawn.
// The menu bar and the toolbar each ask for an extension-arrow icon when they are built,
// which costs a good part of start-up, and is drawn only when a bar overflows.
class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace trelvo::qt
