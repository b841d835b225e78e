#include <gtest/gtest.h>

#include "core/model/instruction.h"
#include "core/util/text.h"

namespace tavo {
namespace {

TEST(BuildTag, ZeroStateLayout) {
    Instruction in;
    const std::string tag = BuildTag(in);
    const std::string expected = "0    0    0    0    " + std::string(10, ' ') + "00" +
                                 "0    0    " + std::string(5 + 5 + 20 + 50 + 36, ' ');
    EXPECT_EQ(tag, expected);
    EXPECT_EQ(CharCount(tag), kTagLength);
}

TEST(BuildTag, FieldsLandAtTheirPositions) {
    Instruction in;
    in.LocationX = -5;
    in.Locationy = 12;
    in.pLocationX = 300;
    in.pLocationy = 4000;
    in.pYesNext = "L12  ";
    in.pNotNext = "L3   ";
    in.LocationBase = 2;
    in.pLocationBase = 4;
    in.pPause = 32767;
    in.pDelay = 50;
    in.NodeKey = "L7   ";
    in.NodeParent = "L1   ";
    in.NodeText = FixWidth("节点", kNodeTextWidth);
    in.pChar = FixWidth("你好/*ENTER*/", kCharWidth);
    in.pPicture = std::string(18, '0') + std::string(18, '1');
    const std::string tag = BuildTag(in);
    ASSERT_EQ(CharCount(tag), kTagLength);
    auto at = [&](std::size_t pos1, std::size_t width) { return MidChars(tag, pos1 - 1, width); };
    EXPECT_EQ(at(1, 5), "-5   ");
    EXPECT_EQ(at(6, 5), "12   ");
    EXPECT_EQ(at(11, 5), "300  ");
    EXPECT_EQ(at(16, 5), "4000 ");
    EXPECT_EQ(at(21, 5), "L12  ");
    EXPECT_EQ(at(26, 5), "L3   ");
    EXPECT_EQ(at(31, 1), "2");
    EXPECT_EQ(at(32, 1), "4");
    EXPECT_EQ(at(33, 5), "32767");
    EXPECT_EQ(at(38, 5), "50   ");
    EXPECT_EQ(at(43, 5), "L7   ");
    EXPECT_EQ(at(48, 5), "L1   ");
    EXPECT_EQ(at(53, 20), FixWidth("节点", 20));
    EXPECT_EQ(at(73, 50), FixWidth("你好/*ENTER*/", 50));
    EXPECT_EQ(at(123, 36), in.pPicture);
}

TEST(BuildTag, ValuesBeyondTheWidthAreCut) {
    Instruction in;
    in.LocationX = -12345;
    in.LocationBase = 12;
    const std::string tag = BuildTag(in);
    EXPECT_EQ(tag.substr(0, 5), "-1234");
    EXPECT_EQ(tag.substr(30, 1), "1");
}

TEST(ParseTag, RoundTripsAndTakesTheCaption) {
    Instruction in;
    in.LocationX = -5;
    in.Locationy = 7;
    in.pLocationX = 11;
    in.pLocationy = 12;
    in.LocationBase = 3;
    in.pLocationBase = 1;
    in.pPause = 32767;
    in.pDelay = 20;
    in.pYesNext = "L2   ";
    in.NodeKey = "L9   ";
    in.NodeText = FixWidth("old caption", kNodeTextWidth);
    in.pChar = FixWidth("中文 text", kCharWidth);
    in.pPicture = std::string(36, '1');

    Instruction out;
    ParseTag(out, BuildTag(in), "a caption longer than twenty characters");
    Instruction expected = in;
    expected.NodeText = "a caption longer tha";
    EXPECT_EQ(out, expected);

    ParseTag(out, BuildTag(in), "短");
    EXPECT_EQ(out.NodeText, FixWidth("短", kNodeTextWidth));
}

TEST(IsNonEmptyInstruction, WhatMakesAnInstruction) {
    struct Case {
        const char* name;
        void (*set)(Instruction&);
        bool hasNode;
        bool nonEmpty;
    };
    const Case cases[] = {
        {"zero state", [](Instruction&) {}, true, false},
        {"recognition point only", [](Instruction& i) { i.pLocationX = 5; i.pLocationy = 6; }, true, false},
        {"pause and delay only", [](Instruction& i) { i.pPause = 3; i.pDelay = 9; }, true, false},
        {"text", [](Instruction& i) { i.pChar = FixWidth("a", kCharWidth); }, true, true},
        {"click x", [](Instruction& i) { i.LocationX = 1; }, true, true},
        {"click y", [](Instruction& i) { i.Locationy = -1; }, true, true},
        {"picture with node", [](Instruction& i) { i.pPicture = std::string(36, '0'); }, true, true},
        {"picture without node", [](Instruction& i) { i.pPicture = std::string(36, '0'); }, false, false},
    };
    for (const auto& c : cases) {
        Instruction in;
        c.set(in);
        EXPECT_EQ(IsNonEmptyInstruction(in, c.hasNode), c.nonEmpty) << c.name;
    }
}

}  // namespace
}  // namespace tavo
