#pragma once
// Records the targets handed to OpenLink instead of opening a browser.

#include "platform/LinkOpener.h"

#include <QStringList>

namespace termora::testing {

class LinkRecorder : public LinkOpener {
public:
    LinkRecorder() { LinkService::install(this); }
    ~LinkRecorder() override { LinkService::install(nullptr); }
    void open(const QString& target) override { opened.append(target); }
    QStringList opened;
};

}  // namespace termora::testing
