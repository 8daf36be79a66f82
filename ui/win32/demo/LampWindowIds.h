#pragma once

// The lamp window's class and control ids, shared with the program that reads it from outside.
#define FARB_LAMP_WINDOW_CLASS L"Farbprogramm.VirtualLamp"

#define FARB_LAMP_FIELD_ID 300
#define FARB_LAMP_COLOUR_NAME_ID 301
// The readout's rows: label and value, in the order of VirtualLampReadout::Rows().
#define FARB_LAMP_ROW_LABEL_ID 310
#define FARB_LAMP_ROW_VALUE_ID 320
#define FARB_LAMP_KIND_LABEL_ID 330
#define FARB_LAMP_KIND_ID 331
#define FARB_LAMP_PLUG_ID 332
#define FARB_LAMP_UNPLUG_ID 333
