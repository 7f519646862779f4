#include "betclient/client_app.h"

#include <algorithm>
#include <cstdlib>

#include "betclient/controls.h"
#include "betclient/forms/comm_form.h"
#include "betclient/forms/login_form.h"
#include "betclient/messages.h"

namespace betclient {

namespace {

using namespace plat;

constexpr const char* kMainCaption = "JRA PAT for Win 95";
constexpr Uint kDeferredWork = WM_USER + 1;

constexpr std::uint32_t kSlowOpenDefaultMs = 3000;
constexpr double kSmallestScale = 0.5;
constexpr double kLargestScale = 3.0;

double scaleValue(const char* text, char** end) {
    const double value = std::strtod(text, end);
    return value >= kSmallestScale && value <= kLargestScale ? value : 1.0;
}

}  // namespace

ClientApp::ClientApp(std::string directory, centre::Centre centre, const ClientBehaviour& behaviour)
    : directory_(std::move(directory)), centre_(std::move(centre)), faults_(directory_), timing_(behaviour) {}

ClientApp::~ClientApp() {
    quitting_ = true;
    if (main_ != 0 && isWindow(main_)) destroyWindow(main_);
}

bool ClientApp::start() {
    if (const Hwnd other = findWindow(kMainClass, kMainCaption); other != 0) {
        for (Hwnd w = findWindow(kFormClass, nullptr); w != 0; w = getWindow(w, GW_HWNDNEXT)) {
            if (getWindow(w, GW_OWNER) == other && getClassName(w) == kFormClass) {
                setForegroundWindow(w);
                break;
            }
        }
        return false;
    }
    registerClientClasses(mainProc, Form::windowProc);
    CreateParams params;
    params.className = kMainClass;
    params.caption = kMainCaption;
    params.style = WS_OVERLAPPED;
    params.createParam = this;
    if (createWindow(params) == 0 || main_ == 0) return false;
    openForm(FormKind::Login, [this] { return new LoginForm(*this); });
    return true;
}

// ---- the hidden main window: deferred work and timers ----

Lresult ClientApp::mainProc(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    auto* app = static_cast<ClientApp*>(getWindowData(window));
    if (app == nullptr && message == WM_CREATE && lParam != 0) {
        app = reinterpret_cast<ClientApp*>(lParam);
        app->main_ = window;
        setWindowData(window, app);
    }
    if (app == nullptr) return defWindowProc(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        setWindowData(window, nullptr);
        app->main_ = 0;
        return defWindowProc(window, message, wParam, lParam);
    }
    return app->handleMain(message, wParam, lParam);
}

Lresult ClientApp::handleMain(Uint message, Wparam wParam, Lparam lParam) {
    switch (message) {
    case kDeferredWork: {
        if (deferred_.empty()) return 0;
        std::function<void()> work = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        if (!quitting_) work();
        return 0;
    }
    case WM_TIMER: {
        const Uint id = static_cast<Uint>(wParam);
        killTimer(main_, id);
        const auto found = timers_.find(id);
        if (found == timers_.end()) return 0;
        std::function<void()> work = std::move(found->second);
        timers_.erase(found);
        if (!quitting_) work();
        return 0;
    }
    case WM_DESTROY:
        quitting_ = true;
        postQuitMessage(0);
        return 0;
    default: return defWindowProc(main_, message, wParam, lParam);
    }
}

void ClientApp::defer(std::function<void()> work) {
    deferred_.push_back(std::move(work));
    postMessage(main_, kDeferredWork, 0, 0);
}

void ClientApp::after(std::uint32_t ms, std::function<void()> work) {
    const Uint id = nextTimer_++;
    timers_[id] = std::move(work);
    setTimer(main_, id, ms);
}

// ---- forms ----

Scale ClientApp::faultScale() const {
    const auto value = faults_.find(fault::kScale);
    if (!value || value->empty()) return {};
    char* end = nullptr;
    Scale scale;
    scale.x = scaleValue(value->c_str(), &end);
    scale.y = (*end == 'x' || *end == 'X') ? scaleValue(end + 1, &end) : scale.x;
    return scale;
}

bool ClientApp::faultAppliesTo(std::string_view fault, FormKind kind) const {
    const auto value = faults_.find(fault);
    if (!value) return false;
    if (value->empty()) return true;
    // A comma-separated list of form names.
    std::string_view rest = *value;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        if (rest.substr(0, comma) == formKey(kind)) return true;
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return false;
}

void ClientApp::openForm(FormKind kind, std::function<Form*()> make, std::function<void(Form&)> ready) {
    const auto k = static_cast<std::size_t>(kind);
    if (Form* open = forms_[k]) {
        open->bringToFront();
        if (ready) ready(*open);
        return;
    }
    if (opening_[k]) return;
    long delay = static_cast<long>(timing_.formDelayMs());
    if (const auto slow = faults_.find(fault::kSlowOpen)) {
        delay = slow->empty() ? static_cast<long>(kSlowOpenDefaultMs)
                              : std::max(std::strtol(slow->c_str(), nullptr, 10), 1L);
    }
    if (delay <= 0) {
        showForm(kind, make(), ready);
        return;
    }
    opening_[k] = true;
    after(static_cast<std::uint32_t>(delay), [this, kind, k, make, ready] {
        opening_[k] = false;
        if (forms_[k] == nullptr) showForm(kind, make(), ready);
    });
}

void ClientApp::showForm(FormKind kind, Form* form, const std::function<void(Form&)>& ready) {
    const auto k = static_cast<std::size_t>(kind);
    forms_[k] = form;
    if (!form->open(main_, faultScale(), faultAppliesTo(fault::kMinimized, kind),
                    faultAppliesTo(fault::kDisabled, kind))) {
        forms_[k] = nullptr;
        delete form;
        return;
    }
    updateVoteFormInput();
    if (ready) ready(*form);
}

void ClientApp::closeForm(FormKind kind) {
    if (Form* form = anyForm(kind)) form->close();
}

void ClientApp::formGone(Form& form) {
    const auto k = static_cast<std::size_t>(form.kind());
    if (forms_[k] == &form) forms_[k] = nullptr;
    // The 通信 form taken away with its transfer unfinished (the client ends).
    if (form.kind() == FormKind::Comm) job_.reset();
    if (!quitting_) updateVoteFormInput();
}

// The strict client's vote form takes no input while a vote is being
// confirmed, sent or shown (a form the "disabled" fault names stays shut).
void ClientApp::updateVoteFormInput() {
    Form* vote = anyForm(FormKind::Vote);
    if (timing_.ideal() || vote == nullptr || !vote->alive() || faultAppliesTo(fault::kDisabled, FormKind::Vote))
        return;
    const bool busy = anyForm(FormKind::Confirm) || anyForm(FormKind::Comm) || anyForm(FormKind::Result);
    enableWindow(vote->hwnd(), !busy);
}

// ---- boxes ----

int ClientApp::box(const Form* owner, const char* caption, const std::string& text, const BoxLayout& layout) {
    const bool overForm = owner != nullptr && owner->alive();
    ++boxDepth_;
    const int answer = runClientBox(overForm ? owner->hwnd() : main_, overForm ? owner->scale() : Scale{}, caption,
                                    text, layout, timing_);
    --boxDepth_;
    return answer;
}

int ClientApp::boxOver(FormKind owner, const char* caption, const std::string& text, const BoxLayout& layout) {
    return box(anyForm(owner), caption, text, layout);
}

// ---- the 通信 form ----

bool ClientApp::startJob(CommJob job) {
    if (job_) return false;
    job_ = std::move(job);
    transferFails_ = false;
    openForm(FormKind::Comm, [this] { return new CommForm(*this); });
    return true;
}

std::optional<std::uint32_t> ClientApp::beginTransfer() {
    if (faults_.take(fault::kTransferHang)) return std::nullopt;
    transferFails_ = faults_.take(fault::kTransferError).has_value();
    return timing_.transferMs();
}

void ClientApp::transferEnded() {
    if (!job_) return;
    CommJob job = std::move(*job_);
    job_.reset();
    const bool failed = transferFails_;
    if (auto* comm = form<CommForm>(FormKind::Comm)) comm->finish();
    // After the 通信 form has gone.
    defer([this, job, failed] {
        if (!failed) {
            job.done();
            return;
        }
        boxOver(job.requester, text::kErrorCaption, text::kTransferFailed, box::kNotice);
        if (job.failed) job.failed();
    });
}

void ClientApp::stopTransfer(bool running) {
    if (!job_) return;
    CommJob job = std::move(*job_);
    job_.reset();
    if (auto* comm = form<CommForm>(FormKind::Comm)) comm->finish();
    defer([this, job, running] {
        if (running) boxOver(job.requester, text::kInfoCaption, text::kTransferStopped, box::kNotice);
        if (job.failed) job.failed();
    });
}

}  // namespace betclient
