// An XML element as plain data: its local name, its attributes in the order they
// are written, its text and its child elements. The export builds a LandXML file as
// one of these, and the shell writes it out through XmlLite.
#pragma once

#include <string>
#include <vector>

struct XmlAttribute {
    std::string name, value;

    bool operator==(const XmlAttribute&) const = default;
};

struct XmlElement {
    std::string name;
    std::vector<XmlAttribute> attributes;
    std::string text; // written before the children; empty for none
    std::vector<XmlElement> children;

    bool operator==(const XmlElement&) const = default;
};
