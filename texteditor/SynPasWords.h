#pragma once

// The words of Pascal source: reserved words, which are keywords wherever they stand, and
// directives, which are keywords only where they act as one and plain identifiers elsewhere
// (Stream.Read, procedure Register, var Message).

#include <QString>

// Where a directive acts.
enum TPasDirectiveContext : unsigned {
    dcProperty = 1,        // in a property declaration: read, write, default, ...
    dcPropertyEnd = 2,     // after a property declaration's semicolon: default
    dcRoutine = 4,         // after a routine heading: virtual, stdcall, external, ...
    dcExternal = 8,        // inside a routine directive's clause: name, index after external
    dcExports = 16,        // in an exports clause: name, index, resident
    dcVisibility = 32,     // opening a class section: private, published, ...
    dcExceptionHandler = 64, // on in an except block
    dcRaiseAddress = 128,  // at after raise
    dcAbsolute = 256,      // absolute in a variable declaration
};

bool IsPasReservedWord(const QString &word);
// The contexts (a set of TPasDirectiveContext) in which word acts as a directive; 0 for a
// word that is no directive.
unsigned PasDirectiveContexts(const QString &word);
