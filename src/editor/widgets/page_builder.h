#pragma once
// Builds the main window's controls from the page tables.

#include <QString>
#include <QStringList>

#include "editor/page_tables.h"
#include "editor/widgets/form_components.h"

class QWidget;

namespace morvelin {

struct TrackBarLook;
struct ButtonLook;

// Builds every row under `client` and registers each control in `components`. Problems of
// the tables (unknown parent, repeated name) are collected in the result instead of crashing.
QStringList BuildPages(QWidget* client, FormComponents& components);

ButtonLook LookOf(pages::Look look);
TrackBarLook ValueSliderLook();
TrackBarLook GainSliderLook();

}  // namespace morvelin
