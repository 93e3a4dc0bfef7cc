'use strict';
// Opens each address of its input through the web page's binding under
// Node and writes what the comparison or the question shows:
//   node tool_replay.js <tachoria-core.js> < addresses.jsonl
// Each input line: {"address": "compare?…", "separator": "." or ","}.
const readline = require('readline');
const path = require('path');

const createCore = require(path.resolve(process.argv[2]));

createCore().then((core) => {
  const lines = readline.createInterface({ input: process.stdin });
  const out = [];
  lines.on('line', (line) => {
    const input = JSON.parse(line);
    const pages = new core.Pages(input.separator);
    const opened = JSON.parse(pages.openAddress(input.address));
    const result = { opened };
    if (opened.view === 'compare') {
      const shown = JSON.parse(pages.compareJson());
      result.tables = ['cruise', 'gears', 'speedometer'].map((name) => shown.tables[name]);
      result.address = shown.address;
      result.readout = JSON.parse(pages.compareReadout(0.5)).text;
    } else if (opened.view.startsWith('solve-')) {
      const shown = JSON.parse(pages.questionsJson()).questions[opened.question];
      result.tables = [shown.table];
      result.problems = shown.problems;
      result.address = shown.address;
    }
    out.push(JSON.stringify(result));
    pages.delete();
  });
  lines.on('close', () => process.stdout.write(out.join('\n') + (out.length ? '\n' : '')));
});
