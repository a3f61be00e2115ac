// The field book Help > Example field book puts into a new document: a small worked
// line a newcomer can run every Line command on, each part headed by a line that
// says what to select and which command to run.
#pragma once

// The whole text, CR LF line ends.
const char* ExampleFieldBook();
