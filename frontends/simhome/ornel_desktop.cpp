#include "frontends/simhome/ornel_desktop.h"

#include <filesystem>

#include "app/application.h"
#include "platform/window.h"

namespace simhome {

namespace {

constexpr const char* kFormClass = "ThunderRTForm";

std::string withSlash(std::string directory) {
    if (directory.empty() || directory.back() != '/') directory += '/';
    return directory;
}

}  // namespace

OrnelDesktop::OrnelDesktop(const DesktopOptions& options) : directory_(withSlash(options.directory)) {
    std::error_code ec;
    std::filesystem::create_directories(directory_, ec);
    sim::Desktop::Options desktopOptions;
    desktopOptions.directory = directory_;
    desktopOptions.startTime = options.startTime;
    desktopOptions.realTime = options.realTime;
    desktopOptions.speed = options.speed;
    desktop_ = std::make_unique<sim::Desktop>(desktopOptions);
    desktop_->setUser(&user_);
    user_.ignoreProgram(kClientProgram);  // the driver answers the client's boxes
}

OrnelDesktop::~OrnelDesktop() {
    desktop_->setUser(nullptr);
    desktop_.reset();
}

std::string OrnelDesktop::installClient(const ClientInstallOptions& options, const std::string& clientDir) {
    clientDir_ = withSlash(clientDir.empty() ? directory_ + kClientFolder : clientDir);
    clientExe_ = simhome::installClient(*desktop_, clientDir_, options);
    return clientExe_;
}

void OrnelDesktop::startOrnel(std::function<void()> main) {
    ornelEnded_ = false;
    desktop_->startProgram(kOrnelProgram, ornelExePath(), [this, main = std::move(main)] {
        main();
        ornelEnded_ = true;
    });
}

void OrnelDesktop::startProgram(app::Application& program) {
    startOrnel([&program] { program.run(); });
}

bool OrnelDesktop::runOrnel(const std::function<void()>& fn, std::int64_t maxMs) {
    startOrnel(fn);
    return desktop_->runUntil([this] { return ornelEnded_; }, maxMs);
}

bool OrnelDesktop::callOrnel(const std::function<void()>& fn, std::int64_t maxMs) {
    return desktop_->call(kOrnelProgram, fn, maxMs);
}

std::vector<std::string> OrnelDesktop::clientForms() const {
    std::vector<std::string> captions;
    for (plat::Hwnd w = plat::getWindow(plat::getDesktopWindow(), plat::GW_CHILD); w != 0;
         w = plat::getWindow(w, plat::GW_HWNDNEXT)) {
        if (plat::getClassName(w) == kFormClass && plat::isWindowVisible(w))
            captions.push_back(plat::getWindowText(w));
    }
    return captions;
}

}  // namespace simhome
