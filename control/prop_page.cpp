#include "prop_page.h"

#include <QApplication>

namespace vistrel {

namespace {
int gLivePages = 0;
} // namespace

CVistrelPropPage::CVistrelPropPage(hosting::ControlSite& site) : site_(site) { ++gLivePages; }

CVistrelPropPage::~CVistrelPropPage()
{
    destroyWindow();
    --gLivePages;
}

int CVistrelPropPage::liveCount() { return gLivePages; }

hosting::HResult CVistrelPropPage::invoke(hosting::DispId, hosting::InvokeKind, std::span<hosting::Variant>,
                                          hosting::Variant*, hosting::ExceptionInfo*)
{
    return hosting::hr::memberNotFound;
}

hosting::DispId CVistrelPropPage::idOfName(std::string_view) const { return hosting::kDispIdUnknown; }

bool CVistrelPropPage::createWindow()
{
    if (page_) return true;
    // A page is a widget: it needs a widget application.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    auto* parent = static_cast<QWidget*>(site_.parentWindow());
    page_ = new QWidget(parent);
    page_->setObjectName(QString::fromLatin1(kPropPageTitle));
    page_->setWindowTitle(QString::fromLatin1(kPropPageTitle));
    if (parent) page_->show();
    return true;
}

void CVistrelPropPage::destroyWindow() { delete page_.data(); }

void CVistrelPropPage::setGeometry(int x, int y, int width, int height)
{
    if (page_) page_->setGeometry(x, y, width, height);
}

void CVistrelPropPage::release() { delete this; }

} // namespace vistrel
