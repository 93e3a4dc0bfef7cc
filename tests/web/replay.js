'use strict';
// The steps of page_replay.cpp, taken through the web page's binding under
// Node: node replay.js <tachoria-core.js> < cases.jsonl
const readline = require('readline');
const path = require('path');

const createCore = require(path.resolve(process.argv[2]));

const pageOutput = (pages, page) => ({
  state: JSON.parse(pages.state(page)),
  copy: pages.copyText(page),
  csv: pages.csvText(page),
  fileName: pages.csvFileName(page),
  title: pages.printTitle(page),
});

const pageOf = (name) => (name.startsWith('Stock') ? 'stock' : 'generic');

createCore().then((core) => {
  const lines = readline.createInterface({ input: process.stdin });
  const out = [];
  lines.on('line', (line) => {
    const input = JSON.parse(line);
    const pages = new core.Pages(input.separator === undefined ? '.' : input.separator);
    for (const [what, name, text] of input.steps) {
      if (what === 'type') {
        pages.type(pageOf(name), name, text);
      } else if (what === 'choose') {
        pages.choose(name, text);
      } else {
        pages.press(pageOf(name), name);
      }
    }
    out.push(JSON.stringify({ generic: pageOutput(pages, 'generic'), stock: pageOutput(pages, 'stock') }));
    pages.delete();
  });
  lines.on('close', () => process.stdout.write(out.join('\n') + (out.length ? '\n' : '')));
});
