#pragma once

class QWidget;

// The stored layout was drawn for Tahoma 8 point. Where Tahoma is installed, the window gets
// it; elsewhere it gets the system's sans-serif font, at the largest size up to 8 point at
// which every caption, label and field text fits its stored place.
void ApplyLayoutFont(QWidget& Window);
