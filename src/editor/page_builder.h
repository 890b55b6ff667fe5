#pragma once
// Builds the main window's controls from the page tables.

#include <QString>
#include <QStringList>

#include "editor/form_components.h"
#include "editor/page_tables.h"

class QWidget;

namespace morvelin {

struct TrackBarLook;
struct ButtonLook;

// Builds every row under `client` and registers each control in `components`. Problems of
// the tables (unknown parent, repeated name) are collected in the result instead of crashing.
QStringList BuildPages(QWidget* client, FormComponents& components);

// Name of control n of a numbered family ("MusFreEdit", 3 -> "MusFreEdit3").
QString NumberedName(const char* stem, int n);
// A parent name of the strip tables: "%d" takes the band number.
QString StripParentName(const char* pattern, int band);

ButtonLook LookOf(pages::Look look);
TrackBarLook ValueSliderLook();
TrackBarLook GainSliderLook();

}  // namespace morvelin
