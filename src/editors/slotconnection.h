#pragma once

class QObject;

// Connects every slot that the class of `receiver` declares under the name
// on_<object>_<signal> to that signal of the child called <object>, as the
// form's own connect-by-name would. It looks each child up once instead of
// comparing every slot with every child, which for a form of several hundred
// widgets is most of the time it takes to open. Warns about a slot that finds
// no child or signal, so a renamed widget does not go unnoticed.
void connect_slots_by_object_name(QObject *receiver);
