#include "render/theme.h"

namespace zor {

Theme theme;

void ApplyTheme(Widget& widget, const Theme& source) {
    if (widget.styleLocked) return;
    widget.ctbg = source.ctbg;
    widget.cttn = source.cttn;
    widget.cttmo = source.cttmo;
    widget.cttmd = source.cttmd;
    widget.cttd = source.cttd;
    widget.ctfn = source.ctfn;
    widget.ctfmo = source.ctfmo;
    widget.ctfmd = source.ctfmd;
    widget.ctfd = source.ctfd;
    widget.ctgc = source.ctgc;
    widget.ctbn = source.ctbn;
    widget.ctbmo = source.ctbmo;
    widget.ctbmd = source.ctbmd;
    widget.ctbd = source.ctbd;
    widget.ctol = source.ctol;
    widget.ctold = source.ctold;
    widget.ctsn = source.ctsn;
    widget.ctsmd = source.ctsmd;
    widget.ctsd = source.ctsd;
    widget.ctcc = source.ctcc;
    widget.ctccd = source.ctccd;
    widget.ctpub = source.ctpub;
    widget.cttbb = source.cttbb;
    widget.ctawa = source.ctawa;
    widget.ctebg = source.ctebg;
    widget.imageNormal = source.ibmn;
    widget.imageHover = source.ibmm;
    widget.imageDisabled = source.ibmd;
}

void CopyColours(Widget& child, const Widget& parent) {
    if (child.styleLocked || &child == &parent) return;
    static_cast<WidgetColours&>(child) = static_cast<const WidgetColours&>(parent);
}

} // namespace zor
