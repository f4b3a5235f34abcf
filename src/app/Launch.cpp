#include "app/Launch.h"

#include "app/CommandLine.h"
#include "app/LookupRouter.h"
#include "app/LookupServer.h"
#include "app/SelectionTerm.h"
#include "app/SingleInstance.h"
#include "app/TSAFrm.h"
#include "platform/ClipboardReader.h"

#include <QApplication>
#include <QLocalServer>

#include <iostream>

namespace termora::launch {
namespace {

// A later start: the running Termora takes the request; 1 when it does not.
int handOver(const QString& socketPath, const instance::Request& request) {
    const auto result = instance::handOver(socketPath, request, kHandOverTimeLimit);
    if (const auto* problem = std::get_if<QString>(&result)) {
        std::cerr << "termora: " << problem->toStdString() << '\n';
        return 1;
    }
    const auto& answer = std::get<instance::Answer>(result);
    if (!answer.ok) {
        std::cerr << "termora: the running Termora refused the request: " << answer.error.toStdString() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

instance::Request requestFor(const CommandLine& commandLine) {
    using Kind = instance::Request::Kind;
    if (commandLine.term) return {Kind::Lookup, QString::fromStdString(*commandLine.term)};
    if (commandLine.selection) {
        const QString term = termFromSelection(selectedText());
        if (!term.isEmpty()) return {Kind::Lookup, term};
    }
    return {Kind::Show, {}};
}

int start(const CommandLine& commandLine) {
    const instance::Request request = requestFor(commandLine);
    instance::Claim claim = instance::claimSession();
    if (claim.role == instance::Claim::Role::Later) return handOver(claim.socketPath, request);
    if (claim.role == instance::Claim::Role::Alone) {
        std::cerr << "termora: later starts cannot reach this window: " << claim.problem.toStdString() << '\n';
    }
    LookupRouter router;
    std::unique_ptr<instance::LookupServer> server;
    if (claim.server) {
        // Listening before the window is made: a later start never opens a
        // second one, and what it asks for meanwhile waits for the window.
        server = std::make_unique<instance::LookupServer>(
            std::move(claim.server), [&router](const instance::Request& later) { return router.answer(later); });
    }
    router.answer(request);
    TSAFrm window;
    window.show();
    router.setFirstWindow(&window);
    return QApplication::exec();
}

}  // namespace termora::launch
