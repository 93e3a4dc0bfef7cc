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

  const copy = async (text, status) => {
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
    status.textContent = 'Table copied.';
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
    // The printed page names what the table was made from, and the day.
    window.addEventListener('beforeprint', () => {
      for (const page of ['generic', 'stock']) {
        const section = byId(pageIds[page]);
        section.querySelector('.printed-title').textContent = pages.printTitle(page);
        section.querySelector('.printed-on').textContent =
          pages.printTitle(page) ? core.Pages.printedToday() : '';
      }
      document.title = pages.printTitle(shownPage()) || 'Tachoria';
    });
    window.addEventListener('afterprint', () => {
      document.title = 'Tachoria';
    });
    document.documentElement.dataset.ready = 'true';
  };

  startTabs();
  TachoriaCore().then(start, (error) => {
    for (const id of Object.values(failures)) {
      byId(id).textContent = `Tachoria could not start in this browser: ${error}`;
    }
  });
})();
