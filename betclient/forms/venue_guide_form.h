// The venue guide: one button per racecourse, placed like a map, enabled
// for the day's meetings; a click opens the vote form on that racecourse.
#pragma once

#include "betclient/form.h"

namespace betclient {

class VenueGuideForm : public Form {
public:
    static const FormDesign kDesign;
    explicit VenueGuideForm(ClientApp& app) : Form(app, kDesign) {}

protected:
    void build() override;
    void onCommand(int id, int code, plat::Hwnd control) override;
};

}  // namespace betclient
