'use strict';
// Moves texts between the page and the core: what the user types, picks and
// presses goes to the core as it is, and what the core says is shown as it
// is. Nothing here reads, computes or rounds a number.
(() => {
  const byId = (id) => document.getElementById(id);
  const pageIds = { generic: 'GenericPage', stock: 'StockPage' };
  const boxes = {
    generic: ['TireBox', 'DiffBox', 'TransBox'],
    stock: ['StockTire'],
  };
  const tireBoxes = { generic: 'TireBox', stock: 'StockTire' };
  const buttons = {
    generic: ['Gen_GetRPMButton', 'Gen_GetMPHButton'],
    stock: ['StockGetRPMButton', 'StockGetMPHButton'],
  };
  const lists = ['StockModel', 'StockYear', 'StockDiff'];
  const tables = { generic: 'ListView1', stock: 'ListView' };
  const failures = { generic: 'GenericFailure', stock: 'StockFailure' };

  // The decimal separator of the browser's first language: the core reads
  // the generic boxes with it.
  const separator = () => {
    const language = (navigator.languages && navigator.languages[0]) || navigator.language || 'en';
    try {
      const parts = new Intl.NumberFormat(language).formatToParts(0.5);
      const decimal = parts.find((part) => part.type === 'decimal');
      return decimal ? decimal.value : '.';
    } catch (error) {
      return '.';
    }
  };

  const shownTables = { generic: '', stock: '' };

  const showList = (select, list) => {
    const items = Array.from(select.options, (option) => option.value);
    if (items.length !== list.items.length || items.some((item, i) => item !== list.items[i])) {
      select.replaceChildren(...list.items.map((item) => new Option(item, item)));
    }
    select.value = list.text;
    select.disabled = !list.enabled;
  };

  const showTable = (page, state) => {
    const key = JSON.stringify([state.headers, state.rows]);
    if (shownTables[page] === key) {
      return;
    }
    shownTables[page] = key;
    const table = byId(tables[page]);
    const head = table.tHead;
    const body = table.tBodies[0];
    head.replaceChildren();
    body.replaceChildren();
    if (state.headers.length > 0) {
      const row = head.insertRow();
      for (const header of state.headers) {
        const cell = document.createElement('th');
        cell.scope = 'col';
        cell.textContent = header;
        row.appendChild(cell);
      }
    }
    for (const cells of state.rows) {
      const row = body.insertRow();
      cells.forEach((text, column) => {
        const cell = document.createElement(column === 0 ? 'th' : 'td');
        if (column === 0) {
          cell.scope = 'row';
        }
        cell.textContent = text;
        row.appendChild(cell);
      });
    }
    const section = byId(pageIds[page]);
    // As in the window: Copy, Save and Print only while the table has rows.
    for (const action of section.querySelectorAll('.table-actions button')) {
      action.disabled = state.rows.length === 0;
    }
    section.querySelector('.status').textContent = '';
  };

  const show = (page, json) => {
    if (!json) {
      return;
    }
    const state = JSON.parse(json);
    for (const [id, text] of Object.entries(state.boxes)) {
      const box = byId(id);
      if (box.value !== text) {
        box.value = text;
      }
    }
    byId(`${tireBoxes[page]}Reading`).textContent = state.tireReading;
    for (const [id, list] of Object.entries(state.lists)) {
      showList(byId(id), list);
    }
    showTable(page, state);
    const failure = byId(failures[page]);
    if (failure.textContent !== state.failure) {
      failure.textContent = state.failure;
    }
  };

  let onTab = () => {};
  const startTabs = () => {
    const tabs = Array.from(document.querySelectorAll('[role="tab"]'));
    const select = (chosen, focus) => {
      for (const tab of tabs) {
        const on = tab === chosen;
        tab.setAttribute('aria-selected', on ? 'true' : 'false');
        tab.tabIndex = on ? 0 : -1;
        byId(tab.getAttribute('aria-controls')).hidden = !on;
      }
      if (focus) {
        chosen.focus();
      }
      onTab(chosen.id);
    };
    tabs.forEach((tab, index) => {
      tab.addEventListener('click', () => select(tab, false));
      tab.addEventListener('keydown', (event) => {
        const moves = {
          ArrowLeft: tabs[(index + tabs.length - 1) % tabs.length],
          ArrowRight: tabs[(index + 1) % tabs.length],
          Home: tabs[0],
          End: tabs[tabs.length - 1],
        };
        if (moves[event.key]) {
          event.preventDefault();
          select(moves[event.key], true);
        }
      });
    });
  };

  const copy = async (text, status, done = 'Table copied.') => {
    try {
      await navigator.clipboard.writeText(text);
    } catch (error) {
      // Where the clipboard API is refused (some browsers, for a file
      // opened from disk), the older command still works.
      const area = document.createElement('textarea');
      area.value = text;
      area.setAttribute('readonly', '');
      area.style.position = 'fixed';
      area.style.opacity = '0';
      document.body.appendChild(area);
      area.select();
      const copied = document.execCommand('copy');
      area.remove();
      if (!copied) {
        status.textContent = 'The browser did not allow copying.';
        return;
      }
    }
    status.textContent = done;
  };

  const save = (text, name, status) => {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/csv' }));
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    status.textContent = `Saved as ${name}.`;
  };

  const shownPage = () => (byId('StockPage').hidden ? 'generic' : 'stock');
  const viewTabs = { generic: 'GenericTab', stock: 'StockPageTab', compare: 'CompareTab', questions: 'QuestionsTab' };
  const shownView = () => Object.keys(viewTabs).find(
    (view) => byId(viewTabs[view]).getAttribute('aria-selected') === 'true');

  // An element with its attributes and children; texts only through
  // textContent, so nothing shown can become markup.
  const make = (tag, attributes = {}, ...children) => {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
      if (name === 'text') {
        element.textContent = value;
      } else {
        element.setAttribute(name, value);
      }
    }
    element.append(...children);
    return element;
  };
  const svgNs = 'http://www.w3.org/2000/svg';
  const svg = (tag, attributes = {}, text) => {
    const element = document.createElementNS(svgNs, tag);
    for (const [name, value] of Object.entries(attributes)) {
      element.setAttribute(name, value);
    }
    if (text !== undefined) {
      element.textContent = text;
    }
    return element;
  };
  const setText = (element, text) => {
    if (element.textContent !== text) {
      element.textContent = text;
    }
  };

  // A field as the desktop's: its caption, its box, what the box reads as,
  // and its reason when it is marked, tied to the box for screen readers.
  const makeField = (id, onInput) => {
    const input = make('input', { id, type: 'text', autocomplete: 'off', spellcheck: 'false',
      'aria-describedby': `${id}Reason ${id}Reads` });
    input.addEventListener('input', () => onInput(input.value));
    const row = make('div', { class: 'field' },
      make('label', { for: id }),
      make('div', { class: 'box' }, input,
        make('p', { id: `${id}Reads`, class: 'reading' }),
        make('p', { id: `${id}Reason`, class: 'reason' })));
    return row;
  };
  const showField = (row, field) => {
    const input = row.querySelector('input');
    setText(row.querySelector('label'), field.label);
    if (input.value !== field.text) {
      input.value = field.text;
    }
    const marked = field.reason !== '';
    input.classList.toggle('marked', marked);
    if (marked) {
      input.setAttribute('aria-invalid', 'true');
    } else {
      input.removeAttribute('aria-invalid');
    }
    if (field.enabled !== undefined) {
      input.disabled = !field.enabled;
      input.readOnly = Boolean(field.readOnly);
    }
    setText(row.querySelector('.reading'), field.readsAs);
    setText(row.querySelector('.reason'), field.reason);
  };
  const makePicker = (id, label, onPick) => {
    const select = make('select', { id });
    select.addEventListener('change', () => onPick(select.value));
    return make('div', { class: 'field' }, make('label', { for: id, text: label }), make('div', { class: 'box' }, select));
  };
  const showPicker = (select, entries, chosen) => {
    const items = Array.from(select.options, (option) => option.value);
    if (items.length !== entries.length || items.some((item, i) => item !== entries[i])) {
      select.replaceChildren(...entries.map((entry) => new Option(entry, entry)));
    }
    if (select.value !== chosen) {
      select.value = chosen;
    }
  };

  // A result table: its header row and cells as the core gives them; a
  // cell's note (past the redline) as its tooltip.
  const fillTable = (table, shown) => {
    const key = JSON.stringify(shown);
    if (table.dataset.shown === key) {
      return;
    }
    table.dataset.shown = key;
    const head = make('tr');
    for (const header of shown.headers) {
      head.append(make('th', { scope: 'col', text: header }));
    }
    table.tHead.replaceChildren(head);
    table.tBodies[0].replaceChildren(...shown.rows.map((row) => {
      const line = make('tr', {}, make('th', { scope: 'row', text: row.label }));
      row.cells.forEach((text, column) => {
        const cell = make('td', { text });
        const note = row.notes && row.notes[column];
        if (note) {
          cell.title = note;
        }
        line.append(cell);
      });
      return line;
    }));
  };
  const makeTableBlock = (id, caption) => {
    const table = make('table', { id, 'aria-labelledby': `${id}Caption` }, make('thead'), make('tbody'));
    return make('div', { class: 'tool-table', 'data-table': id },
      make('h3', { id: `${id}Caption`, class: 'caption', text: caption }),
      make('div', { class: 'table-box', tabindex: '0', role: 'region', 'aria-labelledby': `${id}Caption` }, table),
      make('div', { class: 'table-actions' },
        make('button', { type: 'button', class: 'copy', text: 'Copy Table' }),
        make('button', { type: 'button', class: 'save', text: 'Save Table' }),
        make('button', { type: 'button', class: 'print', text: 'Print Table' }),
        make('span', { class: 'status', role: 'status' })));
  };
  const tableActions = (block, texts, print) => {
    const status = block.querySelector('.status');
    block.querySelector('.copy').addEventListener('click', () => copy(texts().copyText, status));
    block.querySelector('.save').addEventListener('click', () => save(texts().csv, texts().fileName, status));
    block.querySelector('.print').addEventListener('click', print);
  };
  const enableActions = (block, on) => {
    for (const action of block.querySelectorAll('.table-actions button')) {
      action.disabled = !on;
    }
  };

  // The comparison and the questions, and the address that follows what
  // is on show.
  const startTools = (core, pages) => {
    let lastMain = shownPage();
    let compare = null;
    let questions = null;
    let lastQuestion = 'axle';
    const note = byId('AddressNote');
    const clearNote = () => setText(note, '');

    // The comparison's two setups, the fields both share, its tables and chart.
    const setupRows = {};
    for (const side of ['a', 'b']) {
      const box = byId(side === 'a' ? 'SetupA' : 'SetupB');
      const rows = {};
      const gearbox = makePicker(`cmp-${side}-gearbox`, 'Gearbox', (entry) => showCompare(pages.comparePick(`${side}-gearbox`, entry)));
      const count = makePicker(`cmp-${side}-gear-count`, 'Forward gears', () => {
        const select = byId(`cmp-${side}-gear-count`);
        showCompare(pages.compareGearCount(side, select.selectedIndex + 1));
      });
      showPicker(count.querySelector('select'), ['1', '2', '3', '4', '5', '6'], '4');
      box.append(gearbox);
      for (const name of ['tire', 'axle']) {
        rows[`${side}-${name}`] = makeField(`cmp-${side}-${name}`, (text) => showCompare(pages.compareSet(`${side}-${name}`, text)));
        box.append(rows[`${side}-${name}`]);
      }
      box.append(count);
      const gears = make('div', { class: 'gears' });
      for (const gear of ['1', '2', '3', '4', '5', '6']) {
        const name = `${side}-gear-${gear}`;
        rows[name] = makeField(`cmp-${name}`, (text) => showCompare(pages.compareSet(name, text)));
        gears.append(rows[name]);
      }
      box.append(gears);
      setupRows[side] = rows;
    }
    const shared = byId('CompareShared');
    const redline = makeField('cmp-redline', (text) => showCompare(pages.compareSet('redline', text)));
    shared.append(redline,
      makePicker('cmp-unit', 'Unit', (entry) => showCompare(pages.comparePick('unit', entry))),
      makePicker('cmp-driven-from', 'Speedometer driven from', (entry) => showCompare(pages.comparePick('driven-from', entry))));
    const compareTables = ['cruise', 'gears', 'speedometer'];
    for (const name of compareTables) {
      const block = makeTableBlock(`cmp-table-${name}`, '');
      byId('CompareTables').append(block);
      tableActions(block, () => compare.tables[name], () => printView('compare'));
    }

    const chart = byId('CompareChart');
    const drawChart = (drawn) => {
      const key = JSON.stringify(drawn);
      if (chart.dataset.shown === key) {
        return;
      }
      chart.dataset.shown = key;
      chart.setAttribute('aria-label', drawn.description);
      const plot = svg('g', { class: 'plot', transform: 'translate(80 30)' });
      plot.append(svg('rect', { class: 'frame', x: '0', y: '0', width: drawn.width, height: drawn.height }));
      for (const tick of drawn.speedTicks) {
        plot.append(svg('line', { class: 'grid', x1: tick.x, x2: tick.x, y1: '0', y2: drawn.height }));
        plot.append(svg('text', { class: 'tick', x: tick.x, y: '630', 'text-anchor': 'middle' }, tick.label));
      }
      for (const tick of drawn.rpmTicks) {
        plot.append(svg('line', { class: 'grid', x1: '0', x2: drawn.width, y1: tick.y, y2: tick.y }));
        plot.append(svg('text', { class: 'tick', x: '-10', y: tick.y, 'text-anchor': 'end', 'dominant-baseline': 'middle' }, tick.label));
      }
      for (const band of drawn.bands) {
        plot.append(svg('polyline', { class: `band${band.dashed ? ' dashed' : ''}`, points: band.points }));
      }
      for (const line of drawn.lines) {
        plot.append(svg('polyline', { class: `gear gear-${line.gear}${line.dashed ? ' dashed' : ''}`, points: line.points, 'data-setup': line.setup },
          undefined));
      }
      if (drawn.redline) {
        plot.append(svg('line', { class: 'redline', x1: '0', x2: drawn.width, y1: drawn.redline.y, y2: drawn.redline.y }));
        plot.append(svg('text', { class: 'redline-label', x: drawn.width, y: drawn.redline.y, dy: '-8', 'text-anchor': 'end' }, drawn.redline.label));
      } else {
        plot.append(svg('text', { class: 'no-lines', x: '500', y: '300', 'text-anchor': 'middle' }, drawn.noLines));
      }
      plot.append(svg('text', { class: 'axis-title', x: '500', y: '685', 'text-anchor': 'middle' }, drawn.xTitle));
      plot.append(svg('text', { class: 'axis-title', x: '0', y: '-14', 'text-anchor': 'start' }, drawn.yTitle));
      plot.append(svg('line', { class: 'cursor', x1: '0', x2: '0', y1: '0', y2: drawn.height, visibility: 'hidden' }));
      plot.append(svg('rect', { class: 'touch', x: '0', y: '0', width: drawn.width, height: drawn.height }));
      chart.replaceChildren(svg('title', {}, drawn.description), plot);
      const legend = byId('CompareLegend');
      legend.replaceChildren();
      if (drawn.legend.key) {
        legend.append(make('span', { text: drawn.legend.key }));
        drawn.legend.gears.forEach((gear, index) => {
          legend.append(make('span', { class: `key gear-${index + 1}`, text: gear }));
        });
      }
      if (drawn.legend.band) {
        legend.append(make('span', { class: 'key band-key', text: drawn.legend.band }));
      }
    };
    // Under a pointer or a finger: its place across the plot, as a share of
    // the plot's width, and the core's readout there.
    const readout = byId('CompareReadout');
    const pointAt = (event) => {
      const area = chart.querySelector('.touch');
      const cursor = chart.querySelector('.cursor');
      if (!area) {
        return;
      }
      const box = area.getBoundingClientRect();
      const shown = JSON.parse(pages.compareReadout((event.clientX - box.left) / box.width));
      setText(readout, shown.text);
      if (shown.x) {
        cursor.setAttribute('x1', shown.x);
        cursor.setAttribute('x2', shown.x);
        cursor.setAttribute('visibility', 'visible');
      } else {
        cursor.setAttribute('visibility', 'hidden');
      }
    };
    chart.addEventListener('pointermove', pointAt);
    chart.addEventListener('pointerdown', pointAt);
    chart.addEventListener('pointerleave', () => {
      const cursor = chart.querySelector('.cursor');
      if (cursor) {
        cursor.setAttribute('visibility', 'hidden');
      }
    });

    const showCompare = (json) => {
      if (!json) {
        return;
      }
      compare = JSON.parse(json);
      for (const side of ['a', 'b']) {
        const setup = compare.setups[side];
        const box = byId(side === 'a' ? 'SetupA' : 'SetupB');
        setText(box.querySelector('legend'), setup.title);
        showPicker(byId(`cmp-${side}-gearbox`), JSON.parse(pages.compareEntries(`${side}-gearbox`)), compare.pickers[`${side}-gearbox`]);
        const count = byId(`cmp-${side}-gear-count`);
        if (count.value !== setup.gearCount) {
          count.value = setup.gearCount;
        }
        const shownFields = new Set();
        for (const field of setup.fields) {
          showField(setupRows[side][field.name], field);
          shownFields.add(field.name);
        }
        for (const [name, row] of Object.entries(setupRows[side])) {
          row.hidden = !shownFields.has(name);
        }
      }
      showField(redline, compare.redline);
      for (const picker of ['unit', 'driven-from']) {
        showPicker(byId(`cmp-${picker}`), JSON.parse(pages.compareEntries(picker)), compare.pickers[picker]);
      }
      for (const name of compareTables) {
        const shownTable = compare.tables[name];
        const block = document.querySelector(`[data-table="cmp-table-${name}"]`);
        setText(block.querySelector('.caption'), shownTable.caption);
        fillTable(byId(`cmp-table-${name}`), shownTable);
        enableActions(block, shownTable.rows.length > 0);
      }
      setText(byId('CompareOver'), compare.overRedline);
      setText(byId('CompareFootnote'), compare.footnote);
      drawChart(compare.chart);
    };

    // The four questions, each with its fields, pickers, sentence, table
    // and footnotes.
    const pickerLabels = { rim: 'Rim', gearbox: 'Gearbox', 'in-gear': 'In gear', form: 'Work from', 'driven-from': 'Driven from' };
    // Where a picker stands among its question's fields, as on the desktop:
    // the speedometer's form before the fields it turns on.
    const pickerAfter = { form: 'teeth', 'driven-from': 'error' };
    const questionParts = {};
    const startQuestions = (all) => {
      const holder = byId('Questions');
      for (const [name, question] of Object.entries(all.questions)) {
        const fields = {};
        const section = make('section', { class: 'question', id: `Question-${name}`, 'aria-labelledby': `Question-${name}Title` },
          make('h2', { id: `Question-${name}Title`, class: 'question-title', text: question.title }));
        const inputs = make('div', { class: 'question-fields' });
        for (const field of question.fields) {
          fields[field.name] = makeField(`q-${name}-${field.name}`, (text) => {
            lastQuestion = name;
            showQuestions(pages.questionSet(name, field.name, text));
          });
          inputs.append(fields[field.name]);
        }
        for (const picker of Object.keys(question.pickers)) {
          const row = makePicker(`q-${name}-${picker}`, pickerLabels[picker] || picker, (entry) => {
            lastQuestion = name;
            showQuestions(pages.questionPick(name, picker, entry));
          });
          const before = fields[pickerAfter[picker]];
          if (before) {
            before.after(row);
          } else {
            inputs.append(row);
          }
        }
        const block = makeTableBlock(`q-table-${name}`, question.title);
        block.querySelector('.caption').classList.add('visually-hidden');
        tableActions(block, () => questions.questions[name], () => printView(name));
        section.append(inputs,
          make('ul', { class: 'problems' }),
          make('p', { class: 'printed-title', 'aria-hidden': 'true' }),
          make('p', { class: 'sentence', 'aria-live': 'polite' }),
          block,
          make('ul', { class: 'footnotes' }),
          make('div', { class: 'link-actions' },
            make('button', { type: 'button', class: 'copy-link', 'data-question': name, text: 'Copy Link' }),
            make('span', { class: 'status', role: 'status' })));
        holder.append(section);
        questionParts[name] = { section, fields, block };
      }
    };
    const showQuestions = (json) => {
      if (!json) {
        return;
      }
      questions = JSON.parse(json);
      if (Object.keys(questionParts).length === 0) {
        startQuestions(questions);
      }
      showPicker(byId('QuestionsUnit'), questions.unitEntries, questions.unit);
      setText(byId('QuestionsFootnote'), questions.footnote);
      for (const [name, question] of Object.entries(questions.questions)) {
        const parts = questionParts[name];
        for (const field of question.fields) {
          showField(parts.fields[field.name], field);
        }
        for (const [picker, shown] of Object.entries(question.pickers)) {
          showPicker(byId(`q-${name}-${picker}`), shown.entries, shown.chosen);
        }
        const problems = parts.section.querySelector('.problems');
        const problemsKey = JSON.stringify(question.problems);
        if (problems.dataset.shown !== problemsKey) {
          problems.dataset.shown = problemsKey;
          problems.replaceChildren(...question.problems.map((line) => make('li', { text: line })));
        }
        setText(parts.section.querySelector('.sentence'), question.sentence);
        fillTable(byId(`q-table-${name}`), question.table);
        enableActions(parts.block, question.copyText !== '');
        const footnotes = parts.section.querySelector('.footnotes');
        const footKey = JSON.stringify(question.footnotes);
        if (footnotes.dataset.shown !== footKey) {
          footnotes.dataset.shown = footKey;
          footnotes.replaceChildren(...question.footnotes.map((line) => make('li', { text: line })));
        }
      }
    };
    byId('QuestionsUnit').addEventListener('change', (event) => showQuestions(pages.questionPick(lastQuestion, 'unit', event.target.value)));

    // The first time a tool view is opened it starts from the main page
    // last shown, as the desktop's windows do.
    const startCompare = () => {
      if (!compare) {
        pages.compareFill(lastMain);
        showCompare(pages.compareJson());
      }
    };
    const startQuestionsView = () => {
      if (!questions) {
        pages.questionsFill(lastMain);
        showQuestions(pages.questionsJson());
      }
    };

    // The address: the view on show and its inputs, kept in step without
    // new history entries.
    const addressOf = (view) => {
      if (view === 'compare') {
        return compare ? compare.address : '';
      }
      if (view === 'questions') {
        return questions ? questions.questions[lastQuestion].address : '';
      }
      return pages.mainAddress(view);
    };
    const follow = () => {
      const address = addressOf(shownView());
      if (address && location.hash.slice(1) !== address) {
        history.replaceState(null, '', `#${address}`);
      }
    };
    const showTab = (view) => {
      const tab = byId(viewTabs[view]);
      if (tab.getAttribute('aria-selected') !== 'true') {
        tab.click();
      }
    };
    onTab = (id) => {
      const view = Object.keys(viewTabs).find((name) => viewTabs[name] === id);
      if (view === 'generic' || view === 'stock') {
        lastMain = view;
      } else if (view === 'compare') {
        startCompare();
      } else {
        startQuestionsView();
      }
      follow();
    };
    const open = (hash) => {
      const opened = JSON.parse(pages.openAddress(hash));
      const view = opened.view;
      if (view === 'stock' || view === 'generic') {
        show('generic', pages.state('generic'));
        show('stock', pages.state('stock'));
        showTab(view);
      } else if (view === 'compare') {
        showCompare(pages.compareJson());
        showTab('compare');
      } else if (view.startsWith('solve-')) {
        lastQuestion = opened.question;
        showQuestions(pages.questionsJson());
        showTab('questions');
        questionParts[lastQuestion].section.scrollIntoView({ block: 'start' });
      }
      setText(note, opened.said.join('\n'));
      follow();
    };
    let written = '';
    const openHash = () => {
      if (location.hash.length > 1 && location.hash !== written) {
        open(location.hash);
      }
      written = location.hash;
    };

    // Any change: the alert about the address has been read, and the
    // address follows.
    for (const type of ['input', 'change']) {
      document.addEventListener(type, () => {
        clearNote();
        follow();
        written = location.hash;
      });
    }
    for (const id of [...buttons.generic, ...buttons.stock]) {
      byId(id).addEventListener('click', () => {
        clearNote();
        follow();
        written = location.hash;
      });
    }
    document.addEventListener('click', (event) => {
      const button = event.target.closest('.copy-link');
      if (!button) {
        return;
      }
      if (button.dataset.question) {
        lastQuestion = button.dataset.question;
      }
      follow();
      written = location.hash;
      copy(location.href, button.parentElement.querySelector('.status'), 'Link copied.');
    });
    window.addEventListener('hashchange', openHash);
    openHash();

    // Printing: the comparison's one page, or one question's table.
    const printView = (view) => {
      document.body.dataset.printing = view;
      if (view !== 'compare') {
        questionParts[view].section.classList.add('printing');
      }
      window.print();
    };
    const fillList = (list, lines) => list.replaceChildren(...lines.map((line) => make('li', { text: line })));
    return {
      beforePrint: () => {
        if (compare) {
          const printout = compare.printout;
          setText(document.querySelector('#ComparePage .printout-title'), printout.title);
          fillList(byId('PrintA'), [compare.setups.a.title, ...printout.a]);
          fillList(byId('PrintB'), [compare.setups.b.title, ...printout.b]);
          fillList(byId('PrintShared'), printout.shared);
          setText(byId('CompareFootnote'), printout.footnote);
          setText(document.querySelector('#ComparePage .printed-on'), core.Pages.printedToday());
          if (shownView() === 'compare') {
            document.title = printout.fileName || 'Tachoria';
          }
        }
        if (questions) {
          for (const [name, parts] of Object.entries(questionParts)) {
            setText(parts.section.querySelector('.printed-title'), questions.questions[name].printTitle);
          }
          const printing = document.body.dataset.printing;
          if (shownView() === 'questions' && questionParts[printing]) {
            document.title = questions.questions[printing].fileName || 'Tachoria';
          }
        }
      },
      afterPrint: () => {
        delete document.body.dataset.printing;
        for (const parts of Object.values(questionParts)) {
          parts.section.classList.remove('printing');
        }
        if (compare) {
          setText(byId('CompareFootnote'), compare.footnote);
        }
      },
    };
  };

  const start = (core) => {
    const pages = new core.Pages(separator());
    for (const page of ['generic', 'stock']) {
      for (const id of boxes[page]) {
        byId(id).addEventListener('input', (event) => show(page, pages.type(page, id, event.target.value)));
      }
      for (const id of buttons[page]) {
        byId(id).addEventListener('click', () => show(page, pages.press(page, id)));
      }
      const section = byId(pageIds[page]);
      const status = section.querySelector('.status');
      section.querySelector('.copy').addEventListener('click', () => copy(pages.copyText(page), status));
      section.querySelector('.save').addEventListener('click', () => save(pages.csvText(page), pages.csvFileName(page), status));
      section.querySelector('.print').addEventListener('click', () => window.print());
      show(page, pages.state(page));
    }
    for (const id of lists) {
      byId(id).addEventListener('change', (event) => show('stock', pages.choose(id, event.target.value)));
    }
    const tools = startTools(core, pages);
    // The printed page names what the table was made from, and the day.
    window.addEventListener('beforeprint', () => {
      for (const page of ['generic', 'stock']) {
        const section = byId(pageIds[page]);
        section.querySelector('.printed-title').textContent = pages.printTitle(page);
        section.querySelector('.printed-on').textContent =
          pages.printTitle(page) ? core.Pages.printedToday() : '';
      }
      document.title = pages.printTitle(shownPage()) || 'Tachoria';
      tools.beforePrint();
    });
    window.addEventListener('afterprint', () => {
      document.title = 'Tachoria';
      tools.afterPrint();
    });
    document.documentElement.dataset.ready = 'true';
  };

  // Served, the page is an app to install, kept by its service worker for
  // use with no connection. Opened from disk it links and registers nothing,
  // and so asks for nothing.
  const offerInstall = () => {
    if (location.protocol !== 'http:' && location.protocol !== 'https:') {
      return;
    }
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
    if ('serviceWorker' in navigator) {
      // After the page has loaded, so that the worker's first copy of the
      // files does not slow its start; without a worker it still works,
      // only not offline.
      window.addEventListener('load', () => {
        navigator.serviceWorker.register('sw.js').catch(() => {});
      });
    }
  };

  offerInstall();
  startTabs();
  TachoriaCore().then(start, (error) => {
    for (const id of Object.values(failures)) {
      byId(id).textContent = `Tachoria could not start in this browser: ${error}`;
    }
  });
})();
