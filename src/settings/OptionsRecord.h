#pragma once
#include "settings/RecordImage.h"

// The options of the "Настройки" and "Звук" tabs: 56 bytes inside the settings record.
using OptionsRecord = RecordImage<OptionField, kOptionsRecordSize>;
