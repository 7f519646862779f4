// A form of the client: a top-level "ThunderRTForm" window owned by the
// client's hidden main window, laid out from design rectangles at the scale
// it is drawn at (geometry.h).
//
// A form object lives as long as its window: it is created by the client
// application, opened, and deletes itself once its window is gone and no
// message of it is being handled any more (a modal box raised by a handler
// may outlive the window).  Handlers therefore check alive() after anything
// that runs a message loop.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "betclient/geometry.h"
#include "platform/window.h"

namespace betclient {

class ClientApp;

enum class FormKind { Login, Menu, Venues, Vote, Confirm, Comm, Result, Info };
constexpr int kFormKinds = 8;
// The form's name in the fault file: login menu venues vote confirm comm result info.
std::string_view formKey(FormKind kind);

struct FormDesign {
    FormKind kind;
    const char* caption;
    DesignSize size;
};

class Form {
public:
    Form(ClientApp& app, const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window (centred on the screen), builds its controls and
    // shows it, minimized and disabled when asked: the ideal client shows
    // it complete, the strict one first shows the window and then builds
    // the controls over its time.  False when the window could not be made
    // (the object is then deleted by the caller).
    bool open(plat::Hwnd owner, Scale scale, bool minimized, bool disabled);
    plat::Hwnd hwnd() const { return hwnd_; }
    bool alive() const { return hwnd_ != 0; }
    FormKind kind() const { return design_.kind; }
    Scale scale() const { return scale_; }
    // Closes the form once the message being handled is done.
    void close();
    void bringToFront();

    // The control's window rectangle for a design rectangle, in the parent's
    // client coordinates.
    plat::Rect placeOf(plat::Hwnd parent, const DesignRect& rect) const;

protected:
    virtual void build() = 0;
    virtual void onCommand(int /*id*/, int /*code*/, plat::Hwnd /*control*/) {}
    virtual void onTimer(plat::Uint /*id*/) {}
    // A close request (system menu or close()): true lets the window go.
    virtual bool mayClose() { return true; }
    // Shows the form's state on its controls again; called when a control
    // changed while the client was busy with a box and the change was refused.
    virtual void refresh() {}

    // Child windows from design rectangles; parent 0 is the form itself.
    plat::Hwnd addControl(plat::Hwnd parent, const char* className, const std::string& text,
                          plat::Dword style, const DesignRect& rect, int id = 0);
    plat::Hwnd addButton(const std::string& caption, const DesignRect& rect, int id, plat::Hwnd parent = 0);
    plat::Hwnd addLabel(const std::string& text, const DesignRect& rect, plat::Hwnd parent = 0);
    plat::Hwnd addFrame(const std::string& caption, const DesignRect& rect, plat::Hwnd parent = 0);
    plat::Hwnd addOption(const std::string& caption, const DesignRect& rect, int id, plat::Hwnd parent);
    plat::Hwnd addCombo(const DesignRect& rect, int id, plat::Hwnd parent);
    void moveControl(plat::Hwnd control, const DesignRect& rect);
    // Sets an option's check without it reporting a click.
    void setChecked(plat::Hwnd option, bool checked);

    ClientApp& app_;

public:
    // The procedure of the form class.
    static plat::Lresult windowProc(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                                    plat::Lparam lParam);

private:
    plat::Lresult dispatch(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam);
    plat::Lresult handle(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam);

    FormDesign design_;
    plat::Hwnd hwnd_ = 0;
    Scale scale_;
    // Client-area origins of the form and of the containers made on it,
    // relative to the form's window rectangle at its drawn size.
    std::map<plat::Hwnd, plat::Point> origins_;
    int depth_ = 0;         // messages being handled
    bool windowGone_ = false;
    bool quiet_ = false;    // the form itself is setting its controls
};

}  // namespace betclient
