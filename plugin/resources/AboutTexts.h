// Texts of the About box that the plug-in sets at run time; the resource
// script holds the rest.
#ifndef KESTROW_RESOURCES_ABOUTTEXTS_H
#define KESTROW_RESOURCES_ABOUTTEXTS_H

#define KESTROW_WEB_ADDRESS "https://kestrow.example.org/"

#endif
