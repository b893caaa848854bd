#include "AboutViewFactory.h"

#include <utility>

TAboutViewFactory::TAboutViewFactory(std::function<IAboutView*()> createView)
    : m_createView(std::move(createView)) {}

IAboutView* TAboutViewFactory::CreateView() {
    return m_createView();
}
