// The walk through a LandXML file's elements in document order, which fills the plain
// data the import converts: each element is known by its local name and its
// ancestors', and its attributes and text go where the import reads them. The XML
// reader of the shell drives it element by element; the tests drive it over an
// XmlElement tree.
#pragma once

#include <string>
#include <vector>

#include "landxml/landxml_data.h"
#include "landxml/xml_element.h"

// The walk through the file: which element each one is, by its local name and its
// ancestors', and where its values go.
class LandXmlWalk {
  public:
    explicit LandXmlWalk(LandXmlFile& file) : file_(file) {}

    void StartElement(const std::string& name, int line, const std::vector<XmlAttribute>& attributes, bool empty);
    void Text(const std::string& text) {
        if (text_ != nullptr) *text_ += text;
    }
    void EndElement() {
        if (!open_.empty()) open_.pop_back();
        text_ = nullptr;
    }

  private:
    const std::string& Parent(std::size_t up = 1) const {
        static const std::string none;
        return open_.size() >= up ? open_[open_.size() - up] : none;
    }
    std::string* PointOf(LandXmlGeometry& g, const std::string& name) {
        if (name == "Start") return &g.start;
        if (name == "Center") return &g.center;
        if (name == "End") return &g.end;
        if (name == "PI") return &g.pi;
        return nullptr;
    }

    LandXmlFile& file_;
    std::vector<std::string> open_; // the names of the open elements, the root first
    std::string* text_ = nullptr;   // where the text of the element just opened goes
};

// Walks a whole tree (its elements numbered as lines from 1 in document order) and
// returns the file's data.
LandXmlFile WalkXmlElements(const XmlElement& root, const std::string& fileName);
