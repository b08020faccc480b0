#include "calendar/CalendarDay.h"
