#pragma once

// Makes every serializable model class known by name to the object archive.
//
// Classes register themselves from static initialisers, but in a static library an object
// file that nothing references is left out of the program, and a class that is only ever
// read by name from a document would then be unknown. Calling this function references each
// class, which pulls its object file in, and registers it. Called by the document's
// constructor; harmless to call again.
void RegisterModelClasses();
